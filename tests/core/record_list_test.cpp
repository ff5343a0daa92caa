#include <gtest/gtest.h>

#include "core/file/record_list.h"
#include "core/text/cp1252_case.h"

namespace dru {
namespace {

TEST(RecordList, IndexOfFindsFirstMatchIgnoringCase) {
  RecordList list;
  list.Add("x");
  list.Add("ABC");
  list.Add("abc");
  EXPECT_EQ(list.IndexOf("abc"), 1);
  EXPECT_EQ(list.IndexOf("X"), 0);
  EXPECT_EQ(list.IndexOf("ab"), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
  list.Add("");
  EXPECT_EQ(list.IndexOf(""), 3);
}

TEST(RecordList, IndexOfFoldsWindows1252Letters) {
  RecordList list;
  list.Add("\xC9t\xE9");         // Été
  list.Add("\x8A\x8C\x8E\x9F");  // ŠŒŽŸ
  list.Add("\xDF");              // ß has no capital in the set
  list.Add("\xF7");              // ÷ is no letter
  EXPECT_EQ(list.IndexOf("\xE9T\xC9"), 0);
  EXPECT_EQ(list.IndexOf("\x9A\x9C\x9E\xFF"), 1);
  EXPECT_EQ(list.IndexOf("\xDF"), 2);
  EXPECT_EQ(list.IndexOf("\xD7"), -1);  // × does not match ÷
  EXPECT_EQ(list.IndexOf("\xF7"), 3);
  EXPECT_FALSE(EqualIgnoringAsciiCase("\xE9", "\xC9"));
  EXPECT_TRUE(EqualIgnoringAsciiCase("cAT", "Cat"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("[", "{"));  // 0x5B and 0x7B are no letters
}

TEST(RecordList, KeepsOrderDuplicatesAndSharedEntriesApart) {
  RecordList lines;
  RecordList pool;
  lines.Add("a");
  lines.Add("a");
  lines.Add(std::string("b\0c", 3));
  pool.Add(lines.At(2));
  lines.Put(2, "*b");
  EXPECT_EQ(pool.Get(0), std::string_view("b\0c", 3));  // replacing one copy leaves the other
  lines.Delete(0);
  ASSERT_EQ(lines.Count(), 2u);
  EXPECT_EQ(lines.Get(0), "a");
  EXPECT_EQ(lines.Get(1), "*b");
  EXPECT_THROW(lines.Delete(2), std::out_of_range);
  lines.Clear();
  EXPECT_EQ(lines.Count(), 0u);
  EXPECT_EQ(pool.Get(0).size(), 3u);
}

}  // namespace
}  // namespace dru
