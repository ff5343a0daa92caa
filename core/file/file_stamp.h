#pragma once

#include <sys/stat.h>

#include <string>

namespace dru {

// What tells one state of a file on disk from another: which file it is,
// its size, when its bytes were last written and when anything about it
// last changed (which no program can set back). A file that another
// program changed since we read or wrote it has a different stamp.
struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static FileStamp Of(const struct stat& info) noexcept {
    return FileStamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
  }
  // The stamp of what is at path now; a missing file has exists false.
  static FileStamp OfPath(const std::string& path) noexcept {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? Of(info) : FileStamp{};
  }

  // True when both name one existing file, whatever its contents.
  bool SameFileAs(const FileStamp& other) const noexcept {
    return exists && other.exists && device == other.device && inode == other.inode;
  }

  friend bool operator==(const FileStamp& a, const FileStamp& b) noexcept {
    if (!a.exists || !b.exists) return a.exists == b.exists;
    auto same = [](const timespec& x, const timespec& y) {
      return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           same(a.modified, b.modified) && same(a.changed, b.changed);
  }
};

}  // namespace dru
