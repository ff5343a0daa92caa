#include "core/file/safe_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/file/io_error.h"
#include "core/text/translation.h"

namespace dru {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kMaxLinks = 40;

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file they name, which need not exist yet.
// A link is followed only where it is the user's own (or root's) and leads
// to a file of the user's: a link that another user put in a shared folder
// must not send our write into one of the user's files. (What is not a
// regular file is refused by the caller.)
std::string ResolveOwnLinks(const std::string& path) {
  std::string at = path;
  bool throughLink = false;
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
    if (hops == kMaxLinks) throw IoError::FromErrno(ELOOP);
    if (info.st_uid != geteuid() && info.st_uid != 0) {
      throw IoError::ForeignLink(path, DRU_TR_NOOP("IoError", "is a link that another user made"));
    }
    throughLink = true;
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) +
                             1);
    const ssize_t length = readlink(at.c_str(), target.data(), target.size());
    if (length < 0) throw IoError::FromErrno(errno);
    std::string next(target.data(), static_cast<std::size_t>(length));
    at = (next.front() == '/') ? next : DirectoryOf(at) + "/" + next;
  }
  struct stat target {};
  if (throughLink && stat(at.c_str(), &target) == 0 && S_ISREG(target.st_mode) &&
      target.st_uid != geteuid()) {
    throw IoError::ForeignLink(
        path, DRU_TR_NOOP("IoError", "leads to a file that is not the user's own"));
  }
  return at;
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// When this process started: a temporary file of ours that is older than
// that was left by a save that was killed, and not one under way.
const timespec kProcessStart = [] {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now;
}();

// Temporary files are named ".dru-HHHHHHHH-XXXXXX.dru-save": a hash of the
// file's name, so that leftovers can be told apart per file, a unique
// part, and an ending that marks them as ours. The name stays short, so a
// file whose own name is at the length limit can still be saved.
constexpr std::string_view kTempEnding = ".dru-save";
constexpr std::size_t kUniqueLength = 6;

std::string TempPrefix(const std::string& target) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : BaseNameOf(target)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", hash);
  return std::string(".dru-") + hex + "-";
}

bool OlderThanThisProcess(const timespec& modified) {
  return modified.tv_sec < kProcessStart.tv_sec ||
         (modified.tv_sec == kProcessStart.tv_sec && modified.tv_nsec < kProcessStart.tv_nsec);
}

// Removes the temporary files of ours that a killed save of target left:
// named as only we name them, our own regular files, and older than this
// process.
void RemoveLeftovers(const std::string& folder, const std::string& prefix) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kUniqueLength + kTempEnding.size() ||
        !name.starts_with(prefix) || !name.ends_with(kTempEnding)) {
      continue;
    }
    struct stat info {};
    if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && info.st_uid == geteuid() && OlderThanThisProcess(info.st_mtim)) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

// True when a file replaced by a new one would come out as it was: one
// link, and an owner the new file can be given (ours, or any for root).
bool CanReplace(const struct stat& info) {
  return info.st_nlink == 1 && (info.st_uid == geteuid() || geteuid() == 0);
}

}  // namespace

SafeFileWriter::SafeFileWriter(const std::string& path, std::uint64_t finalSize) {
  if (path.empty()) throw IoError::FromErrno(ENOENT);
  target_ = ResolveOwnLinks(path);

  struct stat info {};
  const bool exists = stat(target_.c_str(), &info) == 0;
  if (!exists && errno != ENOENT) throw IoError::FromErrno(errno);
  if (exists && S_ISDIR(info.st_mode)) throw IoError::FromErrno(EISDIR);
  if (exists && !S_ISREG(info.st_mode)) throw IoError::NotRegularFile(path);
  // A file the user may not write stays as it is, even where the folder
  // would allow replacing it.
  if (exists && access(target_.c_str(), W_OK) != 0) throw IoError::FromErrno(errno);

  const std::string folder = DirectoryOf(target_);
  const std::string prefix = TempPrefix(target_);
  RemoveLeftovers(folder, prefix);
  // From here until the write is done or undone, a request to end the
  // program at once waits: a killed save would leave the old file, a
  // half-written one, or a temporary file behind instead of the marks.
  deferral_.emplace();
  if (exists && !CanReplace(info)) {
    OpenInPlace(finalSize);
    return;
  }
  temp_ = folder + "/" + prefix + std::string(kUniqueLength, 'X') + std::string(kTempEnding);
  fd_ = mkostemps(temp_.data(), static_cast<int>(kTempEnding.size()), O_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    temp_.clear();
    if (!exists || (error != EACCES && error != EPERM && error != EROFS)) {
      throw IoError::FromErrno(error);
    }
    OpenInPlace(finalSize);
    return;
  }
  const mode_t mode = exists ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
  // The owner and group first: changing them may clear set-id bits.
  if (exists && (info.st_uid != geteuid() || info.st_gid != getegid())) {
    [[maybe_unused]] const int ignored = fchown(fd_, info.st_uid, info.st_gid);
  }
  if (fchmod(fd_, mode) != 0) Fail(errno);
  // Where the new file cannot have the old one's owner, group and mode (a
  // group we are no member of, a folder that gives its own group), the
  // file is rewritten in place instead, so that it stays as it was.
  struct stat made {};
  if (fstat(fd_, &made) != 0) Fail(errno);
  if (exists && (made.st_uid != info.st_uid || made.st_gid != info.st_gid ||
                 (made.st_mode & 07777) != mode)) {
    close(fd_);
    fd_ = -1;
    unlink(temp_.c_str());
    temp_.clear();
    OpenInPlace(finalSize);
  }
}

void SafeFileWriter::OpenInPlace(std::uint64_t finalSize) {
  inPlace_ = true;
  // A link put in the file's place since it was looked at is not followed.
  fd_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd_ < 0) throw IoError::FromErrno(errno == ELOOP ? EACCES : errno);
  struct stat info {};
  if (fstat(fd_, &info) != 0) Fail(errno);
  if (!S_ISREG(info.st_mode)) {
    close(fd_);
    fd_ = -1;
    throw IoError::NotRegularFile(target_);
  }
  // The whole new size is claimed before the first byte is overwritten: a
  // full disk or a size limit then fails here, with the file as it was.
  const auto oldSize = static_cast<std::uint64_t>(info.st_size);
  if (!deferral_) deferral_.emplace();
  if (finalSize > oldSize) {
    const int error = posix_fallocate(fd_, 0, static_cast<off_t>(finalSize));
    if (error != 0) {
      // Where the reservation is emulated it may have grown the file.
      [[maybe_unused]] const int ignored = ftruncate(fd_, static_cast<off_t>(oldSize));
      Fail(error);
    }
  }
}

SafeFileWriter::~SafeFileWriter() {
  if (fd_ >= 0) close(fd_);
  if (!committed_ && !temp_.empty()) unlink(temp_.c_str());
}

void SafeFileWriter::Fail(int errnoValue) {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
  deferral_.reset();
  throw IoError::FromErrno(errnoValue);
}

void SafeFileWriter::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) FlushBuffer();
  if (bytes.size() >= kBufferSize) {
    WriteAll(bytes);  // one large piece goes out without a copy
  } else {
    buffer_.append(bytes);
  }
}

void SafeFileWriter::FlushBuffer() {
  WriteAll(buffer_);
  buffer_.clear();
}

void SafeFileWriter::WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
    written_ += static_cast<std::uint64_t>(written);
  }
}

FileStamp SafeFileWriter::Commit() {
  FlushBuffer();
  // In place, a shorter text leaves the old file's tail behind it.
  if (inPlace_ && ftruncate(fd_, static_cast<off_t>(written_)) != 0) Fail(errno);
  if (fsync(fd_) != 0 && errno != EINVAL) Fail(errno);
  if (!inPlace_) {
    if (rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
    committed_ = true;
    // Makes the rename itself durable; a failure here loses nothing.
    const int dir = open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      fsync(dir);
      close(dir);
    }
  }
  deferral_.reset();  // the file is whole and in its place
  // The stamp is taken after the rename, which changes the file's ctime.
  struct stat info {};
  const int statError = fstat(fd_, &info) != 0 ? errno : 0;
  const int fd = fd_;
  fd_ = -1;
  const int closeError = close(fd) != 0 ? errno : 0;
  if (inPlace_ && (statError != 0 || closeError != 0))
    Fail(statError != 0 ? statError : closeError);
  committed_ = true;
  // The new contents are in place and flushed; a stamp that could not be
  // read only makes the next save ask first.
  return statError == 0 ? FileStamp::Of(info) : FileStamp{};
}

void RemoveLeftoverTemporaryFiles(const std::string& path) {
  try {
    const std::string target = ResolveOwnLinks(path);
    RemoveLeftovers(DirectoryOf(target), TempPrefix(target));
  } catch (const IoError&) {
    // A link that is not followed leaves nothing of ours to tidy.
  }
}

FileStamp WriteFileSafely(const std::string& path, std::string_view bytes) {
  SafeFileWriter writer(path, bytes.size());
  writer.Write(bytes);
  return writer.Commit();
}

}  // namespace dru
