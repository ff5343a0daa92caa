#include "core/file/io_error.h"

#include <cerrno>

#include "core/text/translation.h"

namespace dru {

std::string IoErrorText(int code) {
  switch (code) {
    case io_code::kFileNotFound:
      return Tr("IoError", "File not found");
    case io_code::kInvalidFilename:
      return Tr("IoError", "Invalid filename");
    case io_code::kTooManyOpenFiles:
      return Tr("IoError", "Too many open files");
    case io_code::kAccessDenied:
      return Tr("IoError", "File access denied");
    case io_code::kReadBeyondEnd:
      return Tr("IoError", "Read beyond end of file");
    case io_code::kDiskFull:
      return Tr("IoError", "Disk full");
    case io_code::kInvalidNumericInput:
      return Tr("IoError", "Invalid numeric input");
    default:
      return Args(Tr("IoError", "I/O error %1"), {std::to_string(code)});
  }
}

int IoCodeFromErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
      return io_code::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
      return io_code::kInvalidFilename;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return io_code::kDiskFull;
    default:
      return 0;
  }
}

IoError IoError::FromErrno(int errnoValue) {
  const int code = IoCodeFromErrno(errnoValue);
  if (code != 0) return IoError(code);
  // An unmapped number keeps its own value, even where it equals a code above.
  return IoError(errnoValue, Args(Tr("IoError", "I/O error %1"), {std::to_string(errnoValue)}));
}

IoError IoError::NotRegularFile(const std::string& path) {
  return IoError(io_code::kAccessDenied, Args(Tr("IoError", "%1 is not a regular file"), {path}));
}

IoError IoError::ForeignLink(const std::string& path, const std::string& reason) {
  return IoError(io_code::kAccessDenied, Args(Tr("IoError", "%1 %2; it was not written"),
                                              {path, Tr("IoError", reason.c_str())}));
}

IoError IoError::UnreadableText(const std::string& path, const std::string& encoding) {
  return IoError(0, Args(Tr("IoError", "%1 is %2 text; dru reads UTF-8 and Windows-1252 files"),
                         {path, encoding}));
}

std::string WithFullStop(const std::string& text) {
  if (text.empty() || static_cast<unsigned char>(text.back()) <= 0x2E) return text;
  return text + '.';
}

}  // namespace dru
