// Files that are not what a sentence file should be load without harm.
#include <gtest/gtest.h>

#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;
using testing::TempDir;
using testing::WriteBytes;

class BadInput : public ::testing::Test {
 protected:
  void Load(const std::string& bytes) {
    WriteBytes(path, bytes);
    Reload();
  }
  void Reload() {
    SentenceFile file = ReadSentenceFile(path);
    format = file.format;
    drill.InstallFile(file);
  }

  TempDir dir;
  std::string path = dir.File("input.dat");
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  FileFormat format;
};

TEST_F(BadInput, EveryByteValue) {
  std::string bytes;
  for (int round = 0; round < 3; ++round) {
    for (int b = 0; b < 256; ++b)
      bytes += static_cast<char>(b == 0x1A ? 0x1B : b);
  }
  Load(bytes);
  // A lone LF and a lone CR a round each end a line.
  EXPECT_EQ(drill.FileLines().Count(), 7u);
  EXPECT_FALSE(drill.GetRandomStr(drill.UnmarkedList()).empty());
  WriteSentenceFile(path, drill.FileLines(), format);
  Reload();
  EXPECT_EQ(drill.FileLines().Count(), 7u);
}

TEST_F(BadInput, EndOfDataFirstAndOnlyLineEnds) {
  Load(
      "\x1a"
      "A\r\nB\r\n");
  EXPECT_EQ(drill.FileLines().Count(), 0u);
  EXPECT_EQ(ReadSentenceFile(path).records, 0);  // the empty-file notice follows
  Load(std::string(100000, '\r'));
  EXPECT_EQ(drill.FileLines().Count(), 100000u);
  EXPECT_EQ(drill.UnmarkedList().Count(), 0u);
  Load(std::string(1000, '\n'));  // LF line ends: empty lines, no records
  EXPECT_EQ(drill.FileLines().Count(), 1000u);
  EXPECT_EQ(drill.RecordCount(), 0);
}

TEST_F(BadInput, HugeSingleLine) {
  std::string line(200u << 20, 'x');
  for (std::size_t i = 0; i < line.size(); i += 4096)
    line[i] = ' ';
  Load(line);
  ASSERT_EQ(drill.FileLines().Count(), 1u);
  EXPECT_EQ(drill.FileLines().Get(0).size(), line.size());
  EXPECT_EQ(drill.UnmarkedList().At(0).View().data(),
            drill.FileLines().At(0).View().data());  // one copy for both lists
}

}  // namespace
}  // namespace dru
