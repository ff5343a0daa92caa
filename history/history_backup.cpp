// Daily copies of the history, through SQLite's online backup.
#include "history/history_backup.h"

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/file/safe_file_writer.h"
#include "history/history_file.h"
#include "history/history_store.h"

namespace dru {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBackup = ".backup-";
constexpr std::string_view kUnfinished = ".partial";
// What the last backup found, for the next start to say: PATH.backup-notice,
// a line a finding, "damaged" or "ahead", a TAB, and what.
constexpr std::string_view kNoticeEnding = ".backup-notice";
constexpr std::string_view kDamagedLine = "damaged";
constexpr std::string_view kAheadLine = "ahead";

// "2026-12-08": four digits, a dash, two, a dash, two.
bool IsDate(std::string_view text) {
  if (text.size() != 10) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

[[noreturn]] void Fail(const std::string& what, const std::string& reason) {
  throw HistoryError("the history's backup " + what + ": " + reason);
}

void SyncFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || fsync(fd) != 0) {
    const int error = errno;
    if (fd >= 0) close(fd);
    Fail(path + " could not be flushed", std::strerror(error));
  }
  close(fd);
}

// Copies the database at from to the new file to, all pages in one step:
// a consistent copy even while dru writes to it.
void CopyDatabase(const std::string& from, const std::string& to) {
  sqlite3* source = nullptr;
  sqlite3* target = nullptr;
  std::string failure;
  if (sqlite3_open_v2(from.c_str(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    failure = sqlite3_errmsg(source);
  } else if (sqlite3_open_v2(to.c_str(), &target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    failure = sqlite3_errmsg(target);
  } else {
    // Another dru closing at the same moment may hold it: the window has
    // closed, so there is time to wait.
    sqlite3_busy_timeout(source, 10000);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup == nullptr) {
      failure = sqlite3_errmsg(target);
    } else {
      const int stepped = sqlite3_backup_step(backup, -1);
      sqlite3_backup_finish(backup);
      if (stepped != SQLITE_DONE) failure = sqlite3_errstr(stepped);
    }
  }
  sqlite3_close(source);
  sqlite3_close(target);
  if (!failure.empty()) Fail(to + " could not be written", failure);
}

// What PRAGMA quick_check finds wrong with the database at path; "" when
// nothing is.
std::string Damage(const std::string& path) {
  sqlite3* db = nullptr;
  std::string found;
  // Immutable: a copy in WAL mode gets no journal files beside it.
  if (sqlite3_open_v2(ImmutableUri(path).c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                      nullptr) != SQLITE_OK) {
    found = sqlite3_errmsg(db);
  } else {
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr) != SQLITE_OK) {
      found = sqlite3_errmsg(db);
    } else if (sqlite3_step(check) != SQLITE_ROW) {
      found = sqlite3_errmsg(db);
    } else {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
      if (text == nullptr || std::strcmp(text, "ok") != 0) found = text != nullptr ? text : "?";
    }
    sqlite3_finalize(check);
  }
  sqlite3_close(db);
  return found;
}

// Removes the unfinished copies that a dru killed during a backup left:
// ours, and of a process that is gone (or named before copies had one).
void RemoveUnfinished(const std::string& path) {
  const fs::path history(path);
  const std::string prefix = history.filename().string() + std::string(kBackup);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(history.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    const std::size_t at = name.find(kUnfinished);
    if (name.compare(0, prefix.size(), prefix) != 0 || at == std::string::npos) continue;
    // ".partial-PID", or ".partial" alone from before copies had a PID.
    const std::string rest = name.substr(at + kUnfinished.size());
    const long pid = rest.starts_with('-') ? std::strtol(rest.c_str() + 1, nullptr, 10) : 0;
    struct stat info {};
    if (lstat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != geteuid()) {
      continue;
    }
    if (pid <= 0 || pid == getpid() || (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
      unlink(entry.path().c_str());
    }
  }
}

// A file of ours of at most a few kilobytes; "" when there is none.
std::string ReadSmallFile(const std::string& path) {
  constexpr std::size_t kMost = 64 << 10;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return {};
  std::string text(kMost, '\0');
  std::size_t got = 0;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    while (got < kMost) {
      const ssize_t n = read(fd, text.data() + got, kMost - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
  }
  close(fd);
  text.resize(got);
  return text;
}

void WriteNotice(const std::string& path, const std::string& text) {
  try {
    WriteFileSafely(path + std::string(kNoticeEnding), text);
  } catch (const std::exception&) {
    // The backup's own outcome stands; only the word about it is lost.
  }
}

}  // namespace

std::vector<std::string> HistoryBackups(const std::string& path) {
  const fs::path history(path);
  const std::string prefix = history.filename().string() + std::string(kBackup);
  std::vector<std::string> backups;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(history.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 10 && name.compare(0, prefix.size(), prefix) == 0 &&
        IsDate(std::string_view(name).substr(prefix.size()))) {
      backups.push_back(entry.path().string());
    }
  }
  std::sort(backups.begin(), backups.end());  // dates sort as text
  return backups;
}

std::string BackUpHistory(const std::string& path, const std::string& today) {
  const std::string backup = path + std::string(kBackup) + today;
  if (access(backup.c_str(), F_OK) == 0) return {};
  RemoveUnfinished(path);
  // Named by this process, so that two drus closing at once never write
  // into one copy.
  const std::string unfinished = backup + std::string(kUnfinished) + "-" + std::to_string(getpid());
  unlink(unfinished.c_str());
  const int fd = open(unfinished.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) Fail(unfinished + " could not be made", std::strerror(errno));
  close(fd);
  std::string notice;
  try {
    CopyDatabase(path, unfinished);
    // A copy of a damaged history is no backup: it would push a good one
    // out of the three kept.
    if (const std::string damage = Damage(unfinished); !damage.empty()) {
      notice = std::string(kDamagedLine) + "\t" + damage + "\n";
      throw HistoryError("the history is damaged and was not backed up: " + damage,
                         HistoryError::Kind::Damaged);
    }
    SyncFile(unfinished);
    if (std::rename(unfinished.c_str(), backup.c_str()) != 0) {
      Fail(backup + " could not be named", std::strerror(errno));
    }
  } catch (...) {
    unlink(unfinished.c_str());
    unlink((unfinished + "-journal").c_str());
    if (!notice.empty()) WriteNotice(path, notice);
    throw;
  }
  unlink((unfinished + "-journal").c_str());
  SyncFile(fs::path(path).parent_path().string());
  // Only backups up to today count and go: one dated ahead (a clock that
  // ran fast) would otherwise stay "the newest" for years.
  std::vector<std::string> backups = HistoryBackups(path);
  const std::string last = backup;
  const auto ahead = std::partition_point(backups.begin(), backups.end(),
                                          [&](const std::string& name) { return name <= last; });
  for (auto it = ahead; it != backups.end(); ++it)
    notice += std::string(kAheadLine) + "\t" + *it + "\n";
  backups.erase(ahead, backups.end());
  for (std::size_t i = 0; i + kKeptBackups < backups.size(); ++i)
    unlink(backups[i].c_str());
  if (!notice.empty()) WriteNotice(path, notice);
  return backup;
}

BackupNotice TakeBackupNotice(const std::string& path) {
  BackupNotice found;
  const std::string noticePath = path + std::string(kNoticeEnding);
  const std::string text = ReadSmallFile(noticePath);
  if (text.empty()) return found;
  unlink(noticePath.c_str());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + start, end - start);
    const std::size_t tab = line.find('\t');
    if (tab != std::string_view::npos) {
      const std::string_view kind = line.substr(0, tab);
      const std::string value(line.substr(tab + 1));
      if (kind == kDamagedLine) found.damage = value;
      if (kind == kAheadLine) found.ahead.push_back(value);
    }
    start = end + 1;
  }
  if (!found.damage.empty()) {
    for (const std::string& backup : HistoryBackups(path)) {
      if (Damage(backup).empty()) found.good.push_back(backup);
    }
  }
  return found;
}

}  // namespace dru
