#pragma once

#include <sys/stat.h>

#include <string>

namespace dru {

// What tells one state of a file on disk from another: which file it is,
// its size and when it was last written. A file that another program
// changed since we read or wrote it has a different stamp.
struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  static FileStamp Of(const struct stat& info) noexcept {
    return FileStamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
  }
  // The stamp of what is at path now; a missing file has exists false.
  static FileStamp OfPath(const std::string& path) noexcept {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? Of(info) : FileStamp{};
  }

  friend bool operator==(const FileStamp& a, const FileStamp& b) noexcept {
    if (!a.exists || !b.exists) return a.exists == b.exists;
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
  }
};

}  // namespace dru
