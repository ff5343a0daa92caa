#include <gtest/gtest.h>
#include <malloc.h>

#include <vector>

#include "core/file/io_error.h"
#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"

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
    Read(path);
    return path;
  }
  void Read(const std::string& path) {
    dru::SentenceFile file = ReadSentenceFile(path);
    format = file.format;
    drill.InstallFile(file);
  }
  void Save(const std::string& path) { WriteSentenceFile(path, drill.FileLines(), format); }

  TempDir dir;
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  FileFormat format;
};

TEST_F(SentenceFile, LoadsLinesRecordsAndMarks) {
  Load("A\r\n*B\r\n\r\nC");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "*B", "", "C"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"A", "C"}));
  EXPECT_EQ(drill.RecordCount(), 3);
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 1 marked ready ...");
  EXPECT_TRUE(drill.HasOpenFile());
  EXPECT_FALSE(drill.Modified());
}

TEST_F(SentenceFile, LineEndRules) {
  Load("A\nB\n");  // no CR at all: LF ends the lines
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "B"}));
  Load("A\nB\r\n");  // a lone LF ends a line in every file
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "B"}));
  Load(
      "A\r\nB\x1a"
      "C\r\n");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "B"}));
  Load("A\r");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A"}));
  Load("A");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A"}));
  Load("A\r\r\n\n  \t\r");  // CR, CR LF, LF: two empty lines
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "", "", "  \t"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"A", "  \t"}));
  Load(std::string("\xEF\xBB\xBF*x\0y\r\n", 9));  // the byte-order mark is no text; NUL is
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{std::string("*x\0y", 4)}));
  EXPECT_EQ(drill.RecordCount(), 1);
  EXPECT_EQ(view.infoText, "There are 1 records in the file, 1 marked ready ...");
}

TEST_F(SentenceFile, LineEndSplitAcrossReadChunks) {
  // The reader works in 1 MiB pieces; a CR LF may straddle two of them.
  const std::size_t chunk = 1 << 20;
  std::string bytes(chunk - 1, 'x');
  bytes += "\r\nsecond\r\n";
  bytes += std::string(chunk, 'y');
  bytes += "\r\nlast";
  Load(bytes);
  ASSERT_EQ(drill.FileLines().Count(), 4u);
  EXPECT_EQ(drill.FileLines().Get(0).size(), chunk - 1);
  EXPECT_EQ(drill.FileLines().Get(1), "second");
  EXPECT_EQ(drill.FileLines().Get(2).size(), chunk);
  EXPECT_EQ(drill.FileLines().Get(3), "last");
}

// Each line goes back with the line end it had, and 0x1A with all that
// follows it is kept; the first record is marked before each save.
TEST_F(SentenceFile, SaveWritesEachLineEndBackAndKeepsWhatFollows1A) {
  const std::string numbered = testing::NumberedRecords(500);
  const std::pair<std::string, std::string> cases[] = {
      {"A\r\n*B\r\n\r\nC", "*A\r\n*B\r\n\r\nC\r\n"},
      {"a\r\nb\r\nc\nd\n", "*a\r\nb\r\nc\nd\n"},                  // LF lines appended
      {"a\nb\r\nc\nd", "*a\nb\r\nc\nd\n"},                        // one pasted Windows line
      {"a\r\nb\nc", "*a\r\nb\nc\r\n"},                            // as many of each: CR LF
      {"x\ny\r\r\nz\x1atail\r\n", "*x\ny\r\n\r\nz\x1atail\r\n"},  // a lone CR becomes CR LF
      {"x\r\n\x1a", "*x\r\n\x1a"},
      {numbered + "\x1a" + numbered + "tail", "*" + numbered + "\x1a" + numbered + "tail"},
  };
  for (const auto& [original, saved] : cases) {
    const std::string path = Load(original);
    drill.MarkRecord(drill.FileLines().Get(0));
    Save(path);
    EXPECT_EQ(ReadBytes(path), saved) << original.substr(0, 40);
  }
  EXPECT_EQ(drill.FileLines().Count(), 500u);  // the drill ends at 0x1A
}

TEST_F(SentenceFile, FailedOpenKeepsEverything) {
  Load("A\r\nB");
  drill.ClearAllMarks();  // a change to keep
  auto expectError = [&](const std::string& path, const char* text) {
    try {
      Read(path);
      ADD_FAILURE() << "no error for " << path;
    } catch (const IoError& error) {
      EXPECT_STREQ(error.what(), text) << path;
    }
  };
  expectError(dir.File("missing.dat"), "File not found");
  expectError(dir.File("records.dat/inner"), "Invalid filename");
  expectError(dir.Path().string(), "File access denied");  // a folder reads with EISDIR
  expectError(dir.File(std::string(300, 'n')), "Invalid filename");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "B"}));
  EXPECT_TRUE(drill.Modified());
  EXPECT_EQ(view.infoText, "There are 2 records in the file, 0 marked ready ...");
}

// Load, then mark one record or clear every mark, then save: byte for byte
// in every encoding and with every kind of line end.
TEST_F(SentenceFile, RoundTripsKeepEncodingAndLineEnds) {
  struct Text {
    const char* name;
    std::string bom;
    Lines lines;  // the second is marked, the third empty
    TextEncoding encoding;
  };
  const Text texts[] = {
      {"Windows-1252",
       "",
       {"Caf\xE9 au lait", "*Gr\xFC\xDF Gott", "", "na\xEFve"},
       TextEncoding::Windows1252},
      {"UTF-8",
       "",
       {"Caf\xC3\xA9", "*\xC3\x9C", "", "\xD0\x93\xD0\xB4\xD0\xB5?"},
       TextEncoding::Utf8},
      {"UTF-8 with BOM",
       "\xEF\xBB\xBF",
       {"Caf\xC3\xA9", "*\xC3\x9C", "", "plain"},
       TextEncoding::Utf8},
  };
  struct Ends {
    const char* name;
    std::string between;
    std::string last;
    std::string written;  // what a save puts after every line
  };
  const Ends ends[] = {{"CR LF", "\r\n", "\r\n", "\r\n"},
                       {"CR", "\r", "\r", "\r\n"},
                       {"LF", "\n", "\n", "\n"},
                       {"no final line end", "\r\n", "", "\r\n"}};
  auto join = [](const std::string& bom, const Lines& lines, const std::string& between,
                 const std::string& last) {
    std::string bytes = bom;
    for (std::size_t i = 0; i < lines.size(); ++i)
      bytes += lines[i] + (i + 1 < lines.size() ? between : last);
    return bytes;
  };
  for (const Text& text : texts) {
    for (const Ends& end : ends) {
      const std::string where = std::string(text.name) + ", " + end.name;
      const std::string original = join(text.bom, text.lines, end.between, end.last);
      const std::string path = Load(original);
      EXPECT_EQ(format.encoding, text.encoding) << where;
      EXPECT_EQ(format.byteOrderMark, !text.bom.empty()) << where;
      EXPECT_EQ(Entries(drill.FileLines()), text.lines) << where;
      drill.MarkRecord(text.lines[0]);
      Save(path);
      Lines marked = text.lines;
      marked[0] = "*" + marked[0];
      EXPECT_EQ(ReadBytes(path), join(text.bom, marked, end.written, end.written)) << where;

      Load(original);
      drill.ClearAllMarks();
      Save(path);
      Lines cleared = text.lines;
      cleared[1].erase(0, 1);
      EXPECT_EQ(ReadBytes(path), join(text.bom, cleared, end.written, end.written)) << where;
    }
  }
}

TEST_F(SentenceFile, EncodingDetection) {
  const std::pair<std::string, TextEncoding> cases[] = {
      {"plain ASCII\r\n", TextEncoding::Windows1252},
      {"Caf\xC3\xA9\r\nand then \xC3", TextEncoding::Windows1252},  // cut short at the end
      {"\xEF\xBB\xBF\xFF\xFE broken\r\n", TextEncoding::Utf8},      // the mark decides
      {"ASCII\x1a\xC3\xA9 after the end", TextEncoding::Windows1252},
      {"\xC0\xAF overlong", TextEncoding::Windows1252},
      {"\xED\xA0\x80 surrogate", TextEncoding::Windows1252},
      {"\xF4\x90\x80\x80 past U+10FFFF", TextEncoding::Windows1252},
      {"\xF0\x9F\x98\x80 U+1F600", TextEncoding::Utf8},
      {"\xFF\xFE is how this line starts\r\n\xFE\xFF too\r\n", TextEncoding::Windows1252},
      {std::string("one stray\0 NUL\r\n", 16), TextEncoding::Windows1252},
  };
  for (const auto& [bytes, encoding] : cases) {
    Load(bytes);
    EXPECT_EQ(format.encoding, encoding) << bytes;
  }
  // Text in two or four bytes a character is refused, naming the file,
  // with a byte-order mark or without.
  using Bytes = std::string;
  for (const auto& [bytes, kind] :
       {std::pair<Bytes, Bytes>{Bytes("\xFF\xFEx\0", 4), "UTF-16"},
        {Bytes("\xFE\xFF\0x", 4), "UTF-16"},
        {Bytes("H\0i\0!\0\r\0\n\0", 10), "UTF-16"},
        {Bytes("\x13\x04\x34\x04\x35\x04 \0\x32\x04?\0\r\0\n\0", 16), "UTF-16"},  // Где в?
        {Bytes("\0H\0i\0\n", 6), "UTF-16"},
        {Bytes("\xFF\xFE\0\0x\0\0\0", 8), "UTF-32"},
        {Bytes("H\0\0\0i\0\0\0\n\0\0\0", 12), "UTF-32"}}) {
    const std::string path = dir.File("wide.txt");
    WriteBytes(path, bytes);
    try {
      ReadSentenceFile(path);
      ADD_FAILURE() << kind << " was read";
    } catch (const IoError& error) {
      EXPECT_EQ(std::string(error.what()),
                path + " is " + kind + " text; dru reads UTF-8 and Windows-1252 files");
    }
  }
}

TEST_F(SentenceFile, ClearAllMarksRemovesOneMarkEach) {
  Load("*A\r\n**B\r\n*\r\nC\r\n");
  EXPECT_EQ(drill.RecordCount(), 4);
  drill.ClearAllMarks();
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"A", "*B", "", "C"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"A", "*B", "C"}));
  EXPECT_EQ(drill.RecordCount(), 3);
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 0 marked ready ...");
  EXPECT_TRUE(drill.Modified());
}

// Undo keeps what a clearing changed, not copies of both lists: a press
// on a large file with one mark costs next to nothing.
TEST_F(SentenceFile, UndoOfClearingCostsWhatTheMarksCost) {
  Load(testing::NumberedRecords(100000) + "*marked\r\n");
  auto heap = [] {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
  };
  const std::size_t before = heap();
  drill.ClearAllMarks();
  drill.ClearAllMarks();
  EXPECT_LT(heap() - before, 64u << 10);  // the lists are 2.4 MB each
  ASSERT_TRUE(drill.Undo());
  ASSERT_TRUE(drill.Undo());
  EXPECT_EQ(drill.FileLines().Get(100000), "*marked");
  EXPECT_EQ(drill.UnmarkedList().Count(), 100000u);
}

TEST_F(SentenceFile, MarkInUtf8FoldsUnicodeCase) {
  Load(
      "\xD0\x94\xD0\x90\r\n\xD0\xB4\xD0\xB0\r\nStra\xC3\x9F"
      "e\r\n");                          // ДА, да, Straße
  drill.MarkRecord("\xD0\x94\xD0\xB0");  // Да
  EXPECT_EQ(drill.FileLines().Get(0), "*\xD0\x94\xD0\x90");
  drill.MarkRecord("STRASSE");
  EXPECT_EQ(drill.FileLines().Get(2),
            "*Stra\xC3\x9F"
            "e");
}

TEST_F(SentenceFile, MarkTakesTheExactRecordFirstThenIgnoresCase) {
  Load("APPLE pie\r\napple PIE\r\nxyz\r\nXyz");
  drill.MarkRecord("apple PIE");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"APPLE pie", "*apple PIE", "xyz", "Xyz"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"APPLE pie", "xyz", "Xyz"}));
  drill.MarkRecord("Xyz");
  drill.MarkRecord("XYZ");  // no exact record: the first one ignoring case
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"APPLE pie", "*apple PIE", "*xyz", "*Xyz"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"APPLE pie"}));
  drill.MarkRecord("nothing");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"APPLE pie", "*apple PIE", "*xyz", "*Xyz"}));

  // After a clearing, "*x" on screen is the line that lost one of two
  // marks, not an earlier marked line of the same text.
  Load("x\r\n**x\r\n");
  drill.ClearAllMarks();
  drill.MarkRecord("x");
  drill.MarkRecord("*x");
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"*x", "**x"}));
  EXPECT_EQ(drill.UnmarkedList().Count(), 0u);
  drill.Undo();
  drill.Undo();
  drill.Undo();
  EXPECT_EQ(Entries(drill.FileLines()), (Lines{"x", "**x"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Lines{"x"}));
}

}  // namespace
}  // namespace dru
