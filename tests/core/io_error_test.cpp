#include <gtest/gtest.h>

#include <cerrno>

#include "core/file/io_error.h"

namespace dru {
namespace {

TEST(IoError, MapsSystemErrorsOntoUserTexts) {
  struct Case {
    int errnoValue;
    const char* text;
  };
  const Case cases[] = {
      {ENOENT, "File not found"},
      {ENOTDIR, "Invalid filename"},
      {ENAMETOOLONG, "Invalid filename"},
      {ELOOP, "Invalid filename"},
      {EINVAL, "Invalid filename"},
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},
      {EPERM, "File access denied"},
      {EROFS, "File access denied"},
      {EISDIR, "File access denied"},
      {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},
      {EFBIG, "Disk full"},
      {EIO, "I/O error 5"},
      {EBUSY, "I/O error 16"},
      {ENETDOWN, "I/O error 100"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(IoError::FromErrno(c.errnoValue).what(), c.text) << c.errnoValue;
  }
  EXPECT_EQ(IoErrorText(100), "Read beyond end of file");
  EXPECT_EQ(IoErrorText(106), "Invalid numeric input");
  EXPECT_EQ(IoErrorText(32), "I/O error 32");
}

TEST(IoError, FullStopRule) {
  EXPECT_EQ(WithFullStop("File not found"), "File not found.");
  EXPECT_EQ(WithFullStop(""), "");
  EXPECT_EQ(WithFullStop("Done."), "Done.");
  EXPECT_EQ(WithFullStop("Why?"), "Why?.");    // '?' is 0x3F, above the full stop
  EXPECT_EQ(WithFullStop("a-"), "a-");         // 0x2D
  EXPECT_EQ(WithFullStop("path/"), "path/.");  // 0x2F
  EXPECT_EQ(WithFullStop("tab\t"), "tab\t");
  EXPECT_EQ(WithFullStop("caf\xE9"), "caf\xE9.");  // high bytes count as unsigned
}

}  // namespace
}  // namespace dru
