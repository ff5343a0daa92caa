#pragma once

#include <stdexcept>
#include <string>

namespace dru {

// Codes of input/output failures as the user sees them.
namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
}  // namespace io_code

// Text shown for an input/output error code.
std::string IoErrorText(int code);

// Maps a system error number (errno) onto an input/output error code, or 0
// when it has no code of its own (it is then shown as "I/O error N").
int IoCodeFromErrno(int errnoValue);

// The text of the general error report: a full stop is appended unless the
// text is empty or already ends in a byte of 0x2E or below.
std::string WithFullStop(const std::string& text);

// An error that ends the current handler and is shown to the user.
class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class IoError : public UserError {
 public:
  explicit IoError(int code) : IoError(code, IoErrorText(code)) {}
  int Code() const noexcept { return code_; }
  static IoError FromErrno(int errnoValue);
  // A FIFO, a device or a socket where a sentence or settings file should be.
  static IoError NotRegularFile(const std::string& path);
  // A symbolic link that a save does not follow; reason says why.
  static IoError ForeignLink(const std::string& path, const std::string& reason);
  // Text in an encoding that dru does not read, such as UTF-16.
  static IoError UnreadableText(const std::string& path, const std::string& encoding);

 private:
  IoError(int code, const std::string& text) : UserError(text), code_(code) {}

  int code_;
};

}  // namespace dru
