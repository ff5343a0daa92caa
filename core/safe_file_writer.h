#pragma once

#include <string>
#include <string_view>

namespace dru {

// Replaces a file's contents so that a failure never destroys what is there:
// the bytes go to a temporary file in the same folder, which is flushed to
// disk and then renamed over the original, keeping its permission bits. A
// symbolic link is written through to its target. Only when the folder is
// not writable but the file is, the file is rewritten in place.
// Every failure throws IoError; an unfinished temporary file is removed.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(const std::string& path);
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;
  ~SafeFileWriter();

  void Write(std::string_view bytes);
  // Makes the new contents the file's contents.
  void Commit();

  bool WritesInPlace() const noexcept { return inPlace_; }

 private:
  void FlushBuffer();
  void WriteAll(std::string_view bytes);
  [[noreturn]] void Fail(int errnoValue);

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool inPlace_ = false;
  bool committed_ = false;
  std::string buffer_;
};

// Writes the whole of bytes to path with SafeFileWriter.
void WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace dru
