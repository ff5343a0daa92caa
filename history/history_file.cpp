#include "history/history_file.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>

#include "core/text/translation.h"
#include "history/sqlite_history_store.h"
#include "history/statement.h"

namespace dru {
namespace {

constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
constexpr std::size_t kHeaderSize = 100;
constexpr std::size_t kApplicationIdAt = 68;

[[noreturn]] void CannotOpen(const std::string& path, int error) {
  throw HistoryError(Args(Tr("History", "cannot open %1: %2"), {path, std::strerror(error)}));
}

std::string Stamp() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char date[32];
  std::strftime(date, sizeof date, "%Y%m%d-%H%M%S", &utc);
  return date;
}

}  // namespace

// Every byte but letters, digits and "/-._~" percent-encoded.
std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || std::strchr("/-._~", c) != nullptr) {
      uri += c;
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      uri += escaped;
    }
  }
  return uri + "?immutable=1";
}

namespace {

void MakeOwnFilePrivate(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
      (info.st_mode & 0077) != 0) {
    chmod(path.c_str(), info.st_mode & 0700);
  }
}

std::uint32_t BigEndian(const unsigned char* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

// The application id on the newest copy of the first page in a WAL file
// that a killed program left (its database may be all in there); none
// when the file holds no first page of the current WAL.
std::optional<std::uint32_t> ApplicationIdInWal(const std::string& wal) {
  constexpr std::size_t kWalHeader = 32;
  constexpr std::size_t kFrameHeader = 24;
  const int fd = open(wal.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::uint32_t> id;
  unsigned char header[kWalHeader];
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      pread(fd, header, sizeof header, 0) == static_cast<ssize_t>(sizeof header) &&
      (BigEndian(header) & 0xFFFFFFFEu) == 0x377F0682u) {
    const std::uint32_t pageSize = BigEndian(header + 8);
    const auto frameSize = static_cast<off_t>(kFrameHeader + (pageSize == 1 ? 65536 : pageSize));
    for (off_t at = kWalHeader; pageSize >= 512 && at + frameSize <= info.st_size;
         at += frameSize) {
      unsigned char frame[kFrameHeader];
      unsigned char page[kHeaderSize];
      if (pread(fd, frame, sizeof frame, at) != static_cast<ssize_t>(sizeof frame) ||
          std::memcmp(frame + 8, header + 16, 8) != 0) {
        break;  // a frame of an earlier WAL: the current one ends here
      }
      if (BigEndian(frame) == 1 &&
          pread(fd, page, sizeof page, at + static_cast<off_t>(kFrameHeader)) ==
              static_cast<ssize_t>(sizeof page)) {
        id = BigEndian(page + kApplicationIdAt);
      }
    }
  }
  close(fd);
  return id;
}

}  // namespace

HistoryFileKind KindOfHistoryFile(const std::string& path) {
  // A killed program's database may be in its WAL file alone: that says
  // whose it is before the main file does.
  if (const std::optional<std::uint32_t> id = ApplicationIdInWal(path + "-wal")) {
    if (*id == SqliteHistoryStore::kApplicationId) return HistoryFileKind::Ours;
    return HistoryFileKind::Foreign;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return HistoryFileKind::Absent;
    CannotOpen(path, errno == ELOOP ? EACCES : errno);
  }
  struct stat info {};
  unsigned char header[kHeaderSize] = {};
  std::size_t got = 0;
  int error = fstat(fd, &info) != 0 ? errno : 0;
  if (error == 0 && !S_ISREG(info.st_mode)) error = EINVAL;
  while (error == 0 && got < kHeaderSize) {
    const ssize_t n = read(fd, header + got, kHeaderSize - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  close(fd);
  if (error != 0) CannotOpen(path, error);
  if (got == 0) return HistoryFileKind::Absent;
  if (got < kHeaderSize || std::memcmp(header, kMagic, sizeof kMagic) != 0) {
    return HistoryFileKind::NotSqlite;
  }
  const std::int64_t id = (std::int64_t{header[kApplicationIdAt]} << 24) |
                          (header[kApplicationIdAt + 1] << 16) |
                          (header[kApplicationIdAt + 2] << 8) | header[kApplicationIdAt + 3];
  if (id == SqliteHistoryStore::kApplicationId) return HistoryFileKind::Ours;
  return id == 0 ? HistoryFileKind::Unmarked : HistoryFileKind::Foreign;
}

bool MadeByAnEarlierDru(const std::string& path) {
  sqlite3* db = nullptr;
  bool earlier = false;
  if (sqlite3_open_v2(ImmutableUri(path).c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                      nullptr) == SQLITE_OK) {
    try {
      auto value = [db](const char* sql) {
        sql::Statement statement(db, sql);
        return statement.Step() ? statement.Integer(0) : 0;
      };
      const std::int64_t objects = value("SELECT count(*) FROM sqlite_master");
      const std::int64_t version = value("PRAGMA user_version");
      // New and empty, or with the tables every dru has made since the first.
      const std::int64_t ours = value(
          "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
          "('files', 'sentences', 'answers', 'sessions')");
      earlier = (objects == 0 && version == 0) || (ours == 4 && version > 0);
    } catch (const HistoryError&) {
      earlier = false;
    }
  }
  sqlite3_close(db);
  return earlier;
}

void MakePrivate(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      throw HistoryError(Args(Tr("History", "cannot make %1: %2"), {folder, std::strerror(errno)}));
    }
  }
  // The history's own folder holds nothing but the user's history.
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    const std::string folder = path.substr(0, slash);
    struct stat info {};
    if (lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
        (info.st_mode & 0077) != 0) {
      chmod(folder.c_str(), 0700);
    }
  }
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) CannotOpen(path, errno);
  close(fd);
  for (const char* file : {"", "-wal", "-shm", "-journal"})
    MakeOwnFilePrivate(path + file);
}

std::string MoveAside(const std::string& path) {
  const std::string aside = path + ".corrupt-" + Stamp();
  if (std::rename(path.c_str(), aside.c_str()) != 0) {
    throw HistoryError(Args(Tr("History", "%1 is damaged and cannot be moved aside: %2"),
                            {path, std::strerror(errno)}));
  }
  for (const char* journal : {"-wal", "-shm", "-journal"})
    std::rename((path + journal).c_str(), (aside + journal).c_str());
  return aside;
}

}  // namespace dru
