#include "core/file/read_only_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/file/io_error.h"

namespace dru {

ReadOnlyFile::ReadOnlyFile(const std::string& path)
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
    : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
  if (fd_ < 0) throw IoError::FromErrno(errno);
  int error = 0;
  if (fstat(fd_, &info_) != 0) {
    error = errno;
  } else if (S_ISDIR(info_.st_mode)) {
    error = EISDIR;
  }
  if (error != 0 || !S_ISREG(info_.st_mode)) {
    close(fd_);
    if (error != 0) throw IoError::FromErrno(error);
    throw IoError::NotRegularFile(path);
  }
}

ReadOnlyFile::~ReadOnlyFile() {
  close(fd_);
}

}  // namespace dru
