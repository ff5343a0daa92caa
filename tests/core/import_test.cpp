// Texts brought in: real samples of each kind, and what is wrong with
// them, become the lines a learner would want, or a clear word.
#include <gtest/gtest.h>

#include <unicode/ubrk.h>
#include <unicode/utext.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/file/io_error.h"
#include "core/file/sentence_file.h"
#include "core/import/sentence_rules.h"
#include "core/import/text_import.h"
#include "tests/support/temp_dir.h"

namespace dru {
namespace {

struct Imported {
  std::vector<std::string> lines;
  std::vector<std::string> notes;
  std::string problem;
};

Imported Import(const std::string& bytes, SourceKind kind, CutMode cut = CutMode::Sentences,
                const std::string& language = "en", char separator = '\0') {
  ImportProgress progress;
  ImportedText text = ImportText(bytes, {kind, cut, language, separator}, progress);
  Imported result{{}, text.notes, text.problem};
  for (std::size_t i = 0; i < text.lines.Count(); ++i)
    result.lines.emplace_back(text.lines.Get(i));
  return result;
}

using Lines = std::vector<std::string>;

TEST(Import, SentencesAreCutByTheLanguagesRules) {
  struct Case {
    const char* language;
    const char* text;
    Lines sentences;
  } cases[] = {
      {"en", "Dr. Smith arrived at 10 a.m. He left.", {"Dr. Smith arrived at 10 a.m.", "He left."}},
      // After an abbreviation the next end is still found.
      {"en",
       "Mr. Smith came. He went. Really? Yes!",
       {"Mr. Smith came.", "He went.", "Really?", "Yes!"}},
      {"de",
       "Das ist z. B. ein Apfel. Wir kommen am 3. Mai\nzu Dr. M\xC3\xBCller. Er wurde 1990 "
       "geboren. Danach ging er.",
       {"Das ist z. B. ein Apfel.", "Wir kommen am 3. Mai zu Dr. M\xC3\xBCller.",
        "Er wurde 1990 geboren.", "Danach ging er."}},
      // The ordinal rule is German's, not English's.
      {"en", "The answer is 7. Then we left.", {"The answer is 7.", "Then we left."}},
      // Lines of a paragraph are joined; a blank line ends a paragraph even
      // without a full stop; blanks and TABs become single spaces.
      {"en",
       "  Four score and seven\r\nyears ago\n \t\nour  fathers\tbrought forth.\n\n",
       {"Four score and seven years ago", "our fathers brought forth."}},
      {"he",
       "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D. \xD7\x9C\xD7\x94\xD7\xAA.",
       {"\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D.", "\xD7\x9C\xD7\x94\xD7\xAA."}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Import(c.text, SourceKind::Text, CutMode::Sentences, c.language).lines, c.sentences)
        << c.text;
  }
}

// The sentence rules worked out in one pass agree with ICU's iterator on
// texts made at random of every kind of character they tell apart.
TEST(Import, SentenceEndsAgreeWithIcu) {
  const std::vector<std::string> pieces = {"a",
                                           "b",
                                           "A",
                                           "Z",
                                           "1",
                                           ".",
                                           ".",
                                           "!",
                                           "?",
                                           " ",
                                           " ",
                                           "\t",
                                           "\"",
                                           "'",
                                           "(",
                                           ")",
                                           ",",
                                           ";",
                                           ":",
                                           "-",
                                           "\xC3\xA9",
                                           "\xC3\x9C",
                                           "\xE3\x80\x82",
                                           "\xD7\xA9",
                                           "\xE2\x80\x99",
                                           "\xEF\xBC\x81",
                                           "\xC2\xBB",
                                           "\xE2\x80\xA6",
                                           "x",
                                           "Dr",
                                           "etc"};
  std::mt19937 random(7);
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UBreakIterator, decltype(&ubrk_close)> icu(
      ubrk_open(UBRK_SENTENCE, "en", nullptr, 0, &status), &ubrk_close);
  ASSERT_TRUE(U_SUCCESS(status));
  std::vector<std::size_t> ends;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const std::size_t length = random() % 24;
    for (std::size_t i = 0; i < length; ++i)
      text += pieces[random() % pieces.size()];
    ASSERT_TRUE(FindSentenceEnds(text, ends)) << text;
    std::vector<std::size_t> expected;
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    ubrk_setUText(icu.get(), utext, &status);
    for (int32_t at = ubrk_next(icu.get()); at != UBRK_DONE; at = ubrk_next(icu.get()))
      expected.push_back(static_cast<std::size_t>(at));
    utext_close(utext);
    ASSERT_EQ(ends, expected) << text;
  }
  // A combining mark is left to ICU.
  EXPECT_FALSE(FindSentenceEnds("Cafe\xCC\x81. Ja.", ends));
}

TEST(Import, KeepTheLinesKeepsAPoemAndItsPrompts) {
  const std::string poem =
      "Ich bin froh.\tI am glad.\r\n\r\nThe woods are lovely, dark and deep,\n"
      "But I have promises to keep,\n* * *\n*And miles to go before I sleep.\r";
  const Imported result = Import(poem, SourceKind::Text, CutMode::Lines);
  EXPECT_EQ(result.lines,
            (Lines{"Ich bin froh.\tI am glad.", "The woods are lovely, dark and deep,",
                   "But I have promises to keep,", "And miles to go before I sleep."}));
  EXPECT_EQ(result.notes, Lines{"2 lines began with '*', which marks a line learned: taken off"});
}

TEST(Import, ACardProgramsNotesExport) {
  const std::string notes =
      "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
      "#tags column:7\n"
      "a1\tBasic\tGerman\tIch <b>bin</b>&nbsp;froh.\tI am glad.\t\ttag1\n"
      "a2\tBasic\tGerman\t\"Er sagt: \"\"Gute<br>Nacht\"\".\"\tHe says good night.\tx\t\n"
      "a3\tBasic\tGerman\tDas &amp; mehr [sound:das.mp3]\t\t\t\n"
      "a4\tBasic\tGerman\t\t\t\t\n"
      "a5\tCloze\tGerman\t{{c1::Wasser::drink}} ist gut.\t\t\t\n";
  ASSERT_EQ(KindOfFile("German.txt", notes), SourceKind::NotesExport);
  const Imported result = Import(notes, SourceKind::NotesExport);
  EXPECT_EQ(result.lines,
            (Lines{"Ich bin froh.\tI am glad.", "Er sagt: \"Gute Nacht\".\tHe says good night.",
                   "Das & mehr", "Wasser ist gut."}));
  EXPECT_EQ(result.notes, (Lines{"1 empty note dropped",
                                 "2 notes without a second field are kept without a prompt",
                                 "1 note with more than two fields: only the first two kept"}));
  // Another separator, as the header says; no HTML without the header.
  EXPECT_EQ(Import("#separator:semicolon\nA <b>;B\n", SourceKind::NotesExport).lines,
            Lines{"A <b>\tB"});
}

TEST(Import, ACsvWithQuotesCommasAndLineBreaks) {
  const std::string csv =
      "\"Guten Tag, Frau Meier.\",\"Good day, Mrs Meier.\"\r\n"
      "\"Zwei\r\nZeilen\",\"Two \"\"lines\"\"\"\r\n"
      "\"Ein\tTab\",Tab\r\n"
      ",\r\n"
      "Nur eine Spalte\r\n"
      "Drei,Spalten,hier\r\n";
  ASSERT_EQ(KindOfFile("phrases.CSV", csv), SourceKind::Delimited);
  const Imported result = Import(csv, SourceKind::Delimited);
  EXPECT_EQ(result.lines,
            (Lines{"Guten Tag, Frau Meier.\tGood day, Mrs Meier.", "Zwei Zeilen\tTwo \"lines\"",
                   "Ein Tab\tTab", "Nur eine Spalte", "Drei\tSpalten"}));
  EXPECT_EQ(result.notes,
            (Lines{"1 empty row dropped", "1 row without a second column is kept without a prompt",
                   "1 row with more than two columns: only the first two kept",
                   "1 TAB inside a field became spaces"}));
  // A row of column names, where the learner says so.
  ImportProgress progress;
  ImportRequest named{SourceKind::Delimited};
  named.firstRowNames = true;
  const ImportedText withNames = ImportText("German,English\r\nJa,Yes\r\n", named, progress);
  ASSERT_EQ(withNames.lines.Count(), 1u);
  EXPECT_EQ(withNames.lines.Get(0), "Ja\tYes");
  // Semicolons, as spreadsheets write them in much of Europe; a TSV's
  // commas are text.
  EXPECT_EQ(Import("Hallo, Welt;Hello, world\n", SourceKind::Delimited).lines,
            Lines{"Hallo, Welt\tHello, world"});
  EXPECT_EQ(Import("Hallo, Welt\n", SourceKind::Delimited, CutMode::Sentences, "en",
                   SeparatorOfFile("a.tsv"))
                .lines,
            Lines{"Hallo, Welt"});
}

TEST(Import, BadInputGetsAClearWord) {
  struct Case {
    std::string bytes;
    SourceKind kind;
    Lines lines;
    std::string problemOrNote;
  } cases[] = {
      {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
       SourceKind::Text,
       {},
       "This is not a text file."},
      {"\x01\x02\x03\x04 ab", SourceKind::Text, {}, "This is not a text file."},
      {" \r\n\t\n* \n", SourceKind::Text, {}, "There is nothing to learn in this text."},
      {"#separator:tab\n\t\n",
       SourceKind::NotesExport,
       {},
       "There is nothing to learn in this text."},
      {"Caf\xE9 cr\xE8me.",
       SourceKind::Text,
       {"Caf\xC3\xA9 cr\xC3\xA8me."},
       "The text is not UTF-8; it was read as Windows-1252."},
      // UTF-16 as a spreadsheet's "Unicode text" comes.
      {std::string("\xFF\xFEH\0i\0\t\0y\0o\0\n\0", 14), SourceKind::Delimited, {"Hi\tyo"}, ""},
      // 0x1A would end a sentence file's data; a C1 control is no text.
      {"A\x1a"
       "B\xC2\x80.",
       SourceKind::Text,
       {"AB."},
       ""},
  };
  for (const Case& c : cases) {
    const Imported result = Import(c.bytes, c.kind);
    EXPECT_EQ(result.lines, c.lines) << c.bytes;
    if (c.lines.empty()) {
      EXPECT_EQ(result.problem, c.problemOrNote);
    } else {
      EXPECT_EQ(result.notes, c.problemOrNote.empty() ? Lines{} : Lines{c.problemOrNote});
    }
  }
  const std::string longLine(3000, 'a');
  EXPECT_EQ(
      Import(longLine + "\n", SourceKind::Text, CutMode::Lines).notes,
      Lines{"1 sentence longer than 500 characters: the display shows them a part at a time"});
}

// A large text is cut in parts at once; the seams lose and repeat nothing.
TEST(Import, ALargeTextCutInPartsKeepsEveryLineInOrder) {
  std::string text;
  const std::size_t repeats = 300000;  // 9 MB
  for (std::size_t i = 0; i < repeats; ++i)
    text += "One. Two three!\n\nFour\r\nfive.\n\n";
  for (const auto& [cut, pattern] :
       {std::pair{CutMode::Sentences, Lines{"One.", "Two three!", "Four five."}},
        std::pair{CutMode::Lines, Lines{"One. Two three!", "Four", "five."}}}) {
    ImportProgress progress;
    const ImportedText result = ImportText(text, {SourceKind::Text, cut}, progress);
    ASSERT_EQ(result.lines.Count(), repeats * 3);
    for (std::size_t i = 0; i < result.lines.Count(); ++i)
      ASSERT_EQ(result.lines.Get(i), pattern[i % 3]) << i;
    EXPECT_EQ(progress.done, text.size());
  }
}

TEST(Import, ACancelledCutStopsAndKeepsNothing) {
  std::string text;
  for (int i = 0; i < 20000; ++i)
    text += "One more sentence. ";
  ImportProgress progress;
  progress.cancelled = true;
  const ImportedText result = ImportText(text, {}, progress);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.lines.Count(), 0u);
}

TEST(Import, TheNewFileReadsBackAsItsLines) {
  testing::TempDir dir;
  const std::string source = dir.File("source.txt");
  testing::WriteBytes(source, "Erste Zeile.\tFirst line.\nZweite \xE2\x80\x94 Zeile.\n");
  ImportProgress progress;
  const ImportedText text =
      ImportText(ReadImportSource(source), {SourceKind::Text, CutMode::Lines}, progress);
  FileFormat format;
  format.encoding = TextEncoding::Utf8;
  WriteSentenceFile(dir.File("new.txt"), text.lines, format);
  const SentenceFile back = ReadSentenceFile(dir.File("new.txt"));
  EXPECT_EQ(back.format.encoding, TextEncoding::Utf8);
  ASSERT_EQ(back.records, 2);
  EXPECT_EQ(back.fileLines.Get(1), "Zweite \xE2\x80\x94 Zeile.");
  EXPECT_THROW(ReadImportSource(dir.Path().string()), IoError);
  // Past the limit, without reading a byte (a sparse file takes no room).
  const std::string huge = dir.File("huge.txt");
  testing::WriteBytes(huge, "");
  std::filesystem::resize_file(huge, kImportLimitBytes + 1);
  try {
    ReadImportSource(huge);
    ADD_FAILURE() << "a file past the limit was read";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()),
              "This file is too large to bring in: the limit is 512 MB.");
  }
}

TEST(Import, SuggestedNamesComeFromTheFirstWords) {
  EXPECT_EQ(SuggestedFileName("Four score and seven years ago our fathers"),
            "Four score and seven years.txt");
  EXPECT_EQ(SuggestedFileName("Ich bin froh.\tI am glad."), "Ich bin froh.txt");
  EXPECT_EQ(SuggestedFileName("../etc/passwd: *?"), "etcpasswd.txt");
  EXPECT_EQ(SuggestedFileName("..."), "Text.txt");
  // Cut at a character's start.
  EXPECT_EQ(
      SuggestedFileName(std::string(30, 'a') + " \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"),
      std::string(30, 'a') + " \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9.txt");
}

}  // namespace
}  // namespace dru
