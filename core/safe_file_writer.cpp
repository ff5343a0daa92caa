#include "safe_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "io_error.h"

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
std::string ResolveLinks(std::string path) {
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (hops == kMaxLinks) throw IoError::FromErrno(ELOOP);
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) +
                             1);
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length < 0) throw IoError::FromErrno(errno);
    std::string next(target.data(), static_cast<std::size_t>(length));
    path = (next.front() == '/') ? next : DirectoryOf(path) + "/" + next;
  }
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Temporary files are named ".dru-HHHHHHHH-XXXXXX": a hash of the file's
// name, so that leftovers can be told apart per file, and a unique end.
// The name stays short, so a file whose own name is at the length limit
// can still be saved.
std::string TempPrefix(const std::string& target) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : BaseNameOf(target)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", hash);
  return std::string(".dru-") + hex + "-";
}

// Removes the temporary files of ours that a killed save of target left.
void RemoveLeftovers(const std::string& folder, const std::string& prefix) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  constexpr std::size_t kUniqueEnd = 6;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kUniqueEnd || name.substr(0, prefix.size()) != prefix) {
      continue;
    }
    struct stat info {};
    if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && info.st_uid == geteuid()) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

}  // namespace

SafeFileWriter::SafeFileWriter(const std::string& path, std::uint64_t finalSize) {
  if (path.empty()) throw IoError::FromErrno(ENOENT);
  target_ = ResolveLinks(path);

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
  if (exists && info.st_nlink > 1) {
    OpenInPlace(finalSize);
    return;
  }
  temp_ = folder + "/" + prefix + "XXXXXX";
  fd_ = mkostemp(temp_.data(), O_CLOEXEC);
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
  if (fchmod(fd_, mode) != 0) Fail(errno);
  // Keeps the owner when an administrator saves someone else's file.
  if (exists && (info.st_uid != geteuid() || info.st_gid != getegid())) {
    [[maybe_unused]] const int ignored = fchown(fd_, info.st_uid, info.st_gid);
  }
}

void SafeFileWriter::OpenInPlace(std::uint64_t finalSize) {
  inPlace_ = true;
  fd_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd_ < 0) throw IoError::FromErrno(errno);
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
  struct stat info {};
  if (fstat(fd_, &info) != 0) Fail(errno);
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) Fail(errno);
  if (!inPlace_) {
    if (rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
    // Makes the rename itself durable; a failure here loses nothing.
    const int dir = open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      fsync(dir);
      close(dir);
    }
  }
  committed_ = true;
  return FileStamp::Of(info);
}

FileStamp WriteFileSafely(const std::string& path, std::string_view bytes) {
  SafeFileWriter writer(path, bytes.size());
  writer.Write(bytes);
  return writer.Commit();
}

}  // namespace dru
