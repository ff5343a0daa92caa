#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/file/file_stamp.h"
#include "core/file/termination_deferral.h"

namespace dru {

// Replaces a file's contents so that a failure never destroys what is there:
// the bytes go to a temporary file in the same folder, which is flushed to
// disk and then renamed over the original, keeping its permission bits.
//
// A symbolic link is written through to its target only when the link is
// the user's own (or root's) and leads to a regular file of the user's;
// otherwise the save is refused with an error that names the file.
//
// A file is rewritten in place instead when a new file could not take its
// place unchanged: its folder is not writable, it has more than one hard
// link (a rename would split them), or the new file could not have its
// owner, group and mode (another user's file in a shared folder). In
// place, the final size is reserved before any byte of the file is
// touched, so that a full disk fails first. Either way, a request to end
// the program waits until the write is done or undone.
//
// Temporary names are short, whatever the file's name, and a save removes
// the temporary files of ours that a killed save of the same file left
// behind before this process started. Only regular files are replaced.
// Every failure throws IoError; an unfinished temporary file is removed.
class SafeFileWriter {
 public:
  // finalSize is the number of bytes the caller will write.
  SafeFileWriter(const std::string& path, std::uint64_t finalSize);
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;
  ~SafeFileWriter();

  void Write(std::string_view bytes);
  // Makes the new contents the file's contents; returns the stamp of the
  // file as written.
  FileStamp Commit();

  bool WritesInPlace() const noexcept { return inPlace_; }

 private:
  void OpenInPlace(std::uint64_t finalSize);
  void FlushBuffer();
  void WriteAll(std::string_view bytes);
  [[noreturn]] void Fail(int errnoValue);

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool inPlace_ = false;
  bool committed_ = false;
  std::uint64_t written_ = 0;
  std::string buffer_;
  std::optional<TerminationDeferral> deferral_;
};

// Removes what a killed save of path left behind before this process
// started: temporary files named as only we name them, our own.
void RemoveLeftoverTemporaryFiles(const std::string& path);

// Writes the whole of bytes to path with SafeFileWriter.
FileStamp WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace dru
