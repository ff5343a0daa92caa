#include <gtest/gtest.h>

#include <vector>

#include "fake_view.h"
#include "io_error.h"
#include "temp_dir.h"

namespace dru {
namespace {

using testing::Entries;
using testing::FakeView;
using testing::FixedClock;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

using Lines = std::vector<std::string>;

class SentenceFile : public ::testing::Test {
 protected:
  std::string Load(const std::string& bytes) {
    const std::string path = dir.File("records.dat");
    WriteBytes(path, bytes);
    drill.OpenFile(ReadSentenceFile(path));
    return path;
  }

  TempDir dir;
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  DrillState& state = drill.State();
};

TEST_F(SentenceFile, LoadsLinesRecordsAndMarks) {
  Load("A\r\n*B\r\n\r\nC");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A", "*B", "", "C"}));
  EXPECT_EQ(Entries(state.UnmarkedList), (Lines{"A", "C"}));
  EXPECT_EQ(state.RecordCount, 3);
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 1 marked ready ...");
  EXPECT_FALSE(state.NoFileOpen);
  EXPECT_FALSE(state.Modified);
}

TEST_F(SentenceFile, LineEndRules) {
  Load("A\nB\n");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A\nB\n"}));
  Load(
      "A\r\nB\x1a"
      "C\r\n");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A", "B"}));
  Load("A\r");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A"}));
  Load("A");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A"}));
  Load("A\r\r\n\n  \t\r");  // CR CR LF: an empty line; a second LF is text
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A", "", "\n  \t"}));
  EXPECT_EQ(Entries(state.UnmarkedList), (Lines{"A", "\n  \t"}));
  Load(std::string("\xEF\xBB\xBFx\0y\r\n", 8));  // a byte-order mark and NUL are text
  EXPECT_EQ(Entries(state.FileLines), (Lines{std::string("\xEF\xBB\xBFx\0y", 6)}));
}

TEST_F(SentenceFile, LineEndSplitAcrossReadChunks) {
  // The reader works in 1 MiB pieces; a CR LF may straddle two of them.
  const std::size_t chunk = 1 << 20;
  std::string bytes(chunk - 1, 'x');
  bytes += "\r\nsecond\r\n";
  bytes += std::string(chunk, 'y');
  bytes += "\r\nlast";
  Load(bytes);
  ASSERT_EQ(state.FileLines.Count(), 4u);
  EXPECT_EQ(state.FileLines.Get(0).size(), chunk - 1);
  EXPECT_EQ(state.FileLines.Get(1), "second");
  EXPECT_EQ(state.FileLines.Get(2).size(), chunk);
  EXPECT_EQ(state.FileLines.Get(3), "last");
}

TEST_F(SentenceFile, SaveWritesCrLfAfterEveryLine) {
  const std::string path = Load("A\r\n*B\r\n\r\nC");
  drill.SaveListToFile(path);
  EXPECT_EQ(ReadBytes(path), "A\r\n*B\r\n\r\nC\r\n");
  Load("x\ny\r\r\nz\x1atail");
  drill.SaveListToFile(path);
  EXPECT_EQ(ReadBytes(path), "x\ny\r\n\r\nz\r\n");
}

TEST_F(SentenceFile, FailedOpenKeepsEverything) {
  Load("A\r\nB");
  state.Modified = true;
  auto expectError = [&](const std::string& path, const char* text) {
    try {
      drill.OpenFile(ReadSentenceFile(path));
      ADD_FAILURE() << "no error for " << path;
    } catch (const IoError& error) {
      EXPECT_STREQ(error.what(), text) << path;
    }
  };
  expectError(dir.File("missing.dat"), "File not found");
  expectError(dir.File("records.dat/inner"), "Invalid filename");
  expectError(dir.Path().string(), "File access denied");  // a folder reads with EISDIR
  expectError(dir.File(std::string(300, 'n')), "Invalid filename");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A", "B"}));
  EXPECT_TRUE(state.Modified);
  EXPECT_EQ(view.infoText, "There are 2 records in the file, 0 marked ready ...");
}

TEST_F(SentenceFile, ClearAllMarksRemovesOneMarkEach) {
  Load("*A\r\n**B\r\n*\r\nC\r\n");
  EXPECT_EQ(state.RecordCount, 4);
  drill.ClearAllMarks();
  EXPECT_EQ(Entries(state.FileLines), (Lines{"A", "*B", "", "C"}));
  EXPECT_EQ(Entries(state.UnmarkedList), (Lines{"A", "*B", "C"}));
  EXPECT_EQ(state.RecordCount, 3);
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 0 marked ready ...");
  EXPECT_TRUE(state.Modified);
}

TEST_F(SentenceFile, MarkTakesFirstMatchIgnoringCase) {
  Load("ABC\r\nabc\r\nxyz");
  drill.MarkRecord("abc");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"*ABC", "abc", "xyz"}));
  EXPECT_EQ(Entries(state.UnmarkedList), (Lines{"abc", "xyz"}));
  drill.MarkRecord("ABC");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"*ABC", "*abc", "xyz"}));
  EXPECT_EQ(Entries(state.UnmarkedList), (Lines{"xyz"}));
  drill.MarkRecord("nothing");
  EXPECT_EQ(Entries(state.FileLines), (Lines{"*ABC", "*abc", "xyz"}));
}

}  // namespace
}  // namespace dru
