#pragma once

#include <sys/stat.h>

#include <string>

namespace dru {

// A regular file opened for reading only: opening never waits on a FIFO
// or a device, which are refused, as is a folder. Closed with the object.
// Throws IoError, and then nothing is open.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  ~ReadOnlyFile();

  int Descriptor() const noexcept { return fd_; }
  // The file as it was opened.
  const struct stat& Info() const noexcept { return info_; }

 private:
  int fd_ = -1;
  struct stat info_ {};
};

}  // namespace dru
