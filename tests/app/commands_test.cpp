#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands.h"
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
using Texts = std::vector<std::string>;
using Cues = std::vector<Cue>;

class CommandsTest : public ::testing::Test {
 protected:
  // Opens a file holding bytes through the Open command.
  std::string OpenFile(const std::string& name, const std::string& bytes) {
    const std::string path = dir.File(name);
    WriteBytes(path, bytes);
    view.openChoices.push_back(path);
    commands.Open();
    return path;
  }

  TempDir dir;
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  Commands commands{drill, view};
};

TEST_F(CommandsTest, OpenLoadsAndPicksButLeavesSpeedsAndClock) {
  commands.Open();  // cancelled dialog, nothing asked
  EXPECT_TRUE(view.messages.empty());
  EXPECT_FALSE(drill.HasOpenFile());

  // A sentence typed in 17 seconds, then Close: the current speed reads 0,
  // the best 21, and the input box is disabled.
  OpenFile("before.txt", "before\r\n");
  drill.OnKeyPress('b');  // the first key
  for (int i = 0; i < 17; ++i) {
    clock.milliseconds += 1000;
    drill.Tick();
  }
  view.Paste(drill, "before");
  drill.OnKeyPress('\r');
  commands.Close();
  ASSERT_FALSE(view.inputEnabled);
  view.Paste(drill, "old");
  view.cues.clear();
  const std::string path = OpenFile("a.txt", "Only\r\n*Done\r\n");
  EXPECT_TRUE(drill.HasOpenFile());
  EXPECT_EQ(commands.CurrentFile().name, path);
  EXPECT_EQ(commands.SaveDialogName(), path);
  EXPECT_EQ(view.target, "Only");
  EXPECT_EQ(view.spoken, "Opened a.txt: 2 sentences. Next: Only");
  EXPECT_TRUE(view.inputEnabled);
  EXPECT_EQ(view.input, "");
  EXPECT_FALSE(drill.HasPrevious());
  EXPECT_EQ(drill.PreviousSentence(), "before");
  EXPECT_EQ(view.currentText, "0");
  EXPECT_EQ(view.bestText, "21");
  EXPECT_EQ(drill.Snapshot().seconds, 17);
  EXPECT_TRUE(view.cues.empty());
  // Each dialog starts in the folder of the file last chosen.
  EXPECT_EQ(view.openFolders, (Texts{"", "", dir.Path().string() + "/"}));
}

TEST_F(CommandsTest, OpenOfMissingNameThenSaveWritesOldLinesThere) {
  OpenFile("a.txt", "A\r\nB");
  const std::string missing = dir.File("new.dat");
  view.openChoices.push_back(missing);
  commands.Open();
  EXPECT_EQ(commands.CurrentFile().name, missing);
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "B"}));
  commands.Save();
  EXPECT_EQ(ReadBytes(missing), "A\r\nB\r\n");
}

TEST_F(CommandsTest, OpenEmptyFileWithUnsavedChangesAsksTwice) {
  const std::string first = OpenFile("a.txt", "A\r\nB\r\n");
  commands.ClearAllMarks();  // nothing to clear, but a change
  view.answers = {Answer::Cancel, Answer::Ok, Answer::Ok};
  const std::string empty = OpenFile("empty.txt", "\r\n");
  EXPECT_EQ(view.messages, (Texts{std::string(kSaveChangesQuestion), std::string(kEmptyFileText),
                                  std::string(kSaveChangesQuestion)}));
  EXPECT_EQ(ReadBytes(first), "A\r\nB\r\n");  // the first answer was Cancel
  EXPECT_EQ(ReadBytes(empty), "\r\n");        // written back with its own lines
  EXPECT_FALSE(drill.HasOpenFile());
  EXPECT_EQ(view.infoText, kNoFileText);
  EXPECT_EQ(view.target, "");
  EXPECT_TRUE(view.inputEnabled);  // Open enables it; the next tick disables it
  drill.Tick();
  EXPECT_FALSE(view.inputEnabled);
}

TEST_F(CommandsTest, EmptyFileNoticeOkClosesIt) {
  OpenFile("a.txt", "A\r\n");
  const std::string empty = dir.File("empty.txt");
  WriteBytes(empty, "\r\n\r\n");
  commands.SetCurrentFile(empty);
  commands.LoadFileToList();
  EXPECT_EQ(view.messages, (Texts{std::string(kEmptyFileText)}));
  EXPECT_EQ(view.cues, (Cues{Cue::Close}));  // the Close command ran
  EXPECT_EQ(view.infoText, kNoFileText);
  EXPECT_FALSE(drill.HasOpenFile());
  EXPECT_EQ(drill.RecordCount(), 1);  // Close leaves the count
  EXPECT_EQ(drill.FileLines().Count(), 0u);
}

TEST_F(CommandsTest, EmptyFileNoticeShutGoesOnLoading) {
  const std::string empty = dir.File("empty.txt");
  WriteBytes(empty, "");
  view.answers.push_back(Answer::Cancel);
  commands.SetCurrentFile(empty);
  commands.LoadFileToList();
  EXPECT_TRUE(view.cues.empty());
  EXPECT_EQ(drill.RecordCount(), 0);
  EXPECT_EQ(view.infoText, "There are 0 records in the file, 0 marked ready ...");
  EXPECT_TRUE(drill.HasOpenFile());
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "");
}

TEST_F(CommandsTest, SaveAsWritesACopyAndAsksBeforeOverwriting) {
  const std::string opened = OpenFile("a.txt", "A\r\nB\r\n");
  const std::string existing = dir.File("other.txt");
  WriteBytes(existing, "keep");
  commands.ClearAllMarks();
  view.saveChoices.push_back(existing);
  view.answers.push_back(Answer::Cancel);
  commands.SaveAs();
  EXPECT_EQ(view.messages, (Texts{"File " + existing + " exists. Overwrite?"}));
  EXPECT_EQ(ReadBytes(existing), "keep");
  EXPECT_TRUE(drill.Modified());

  const std::string copy = dir.File("copy");
  view.saveChoices.push_back(copy);
  commands.SaveAs();
  EXPECT_EQ(view.saveDialogName, existing);  // the name last chosen
  EXPECT_EQ(ReadBytes(copy), "A\r\nB\r\n");
  EXPECT_TRUE(drill.Modified());  // the open file still lacks the changes
  EXPECT_EQ(commands.CurrentFile().name, opened);

  drill.MarkRecord("A");
  commands.Save();
  EXPECT_EQ(ReadBytes(opened), "*A\r\nB\r\n");
  EXPECT_EQ(ReadBytes(copy), "A\r\nB\r\n");

  // Onto the open file itself, also by another name for it, it is a save.
  std::filesystem::create_symlink(opened, dir.File("alias.txt"));
  drill.MarkRecord("B");
  ASSERT_TRUE(drill.Modified());
  view.saveChoices.push_back(dir.File("alias.txt"));
  commands.SaveAs();
  EXPECT_EQ(ReadBytes(opened), "*A\r\n*B\r\n");
  EXPECT_FALSE(drill.Modified());
  view.messages.clear();
  commands.Save();  // no question: the stamp is the file's own
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(CommandsTest, ATextBroughtInIsSavedNeverOverItsSourceOrTheOpenFile) {
  const std::string opened = OpenFile("a.txt", "A\r\n");
  const std::string source = dir.File("notes.txt");
  WriteBytes(source, "#separator:tab\nx\ty\n");
  std::filesystem::create_symlink(source, dir.File("link.txt"));
  RecordList lines;
  lines.Add("Gr\xC3\xBC\xC3\x9F dich.\tHello.");
  lines.Add("Tsch\xC3\xBCss.");
  const Texts refusals = {
      "This is the file being brought in, which stays as it is. Save the new file under another "
      "name.",
      "This is the open file. Save the new file under another name."};
  for (const auto& [chosen, refusal] :
       {std::pair{dir.File("link.txt"), refusals[0]}, std::pair{source, refusals[0]},
        std::pair{opened, refusals[1]}}) {
    view.messages.clear();
    view.saveChoices.push_back(chosen);
    EXPECT_EQ(commands.SaveNewFile(lines, "Gr\xC3\xBC\xC3\x9F dich.txt", source), std::nullopt);
    EXPECT_EQ(view.messages, Texts{refusal});
  }
  EXPECT_EQ(view.saveDialogName, "Gr\xC3\xBC\xC3\x9F dich.txt");
  EXPECT_EQ(ReadBytes(source), "#separator:tab\nx\ty\n");
  EXPECT_EQ(ReadBytes(opened), "A\r\n");

  // Another file is replaced only after the question, as UTF-8 with CR LF.
  const std::string other = dir.File("other.txt");
  WriteBytes(other, "keep");
  view.messages.clear();
  view.saveChoices.push_back(other);
  view.answers.push_back(Answer::Cancel);
  EXPECT_EQ(commands.SaveNewFile(lines, "x.txt", source), std::nullopt);
  EXPECT_EQ(ReadBytes(other), "keep");
  view.saveChoices.push_back(other);
  EXPECT_EQ(commands.SaveNewFile(lines, "x.txt", source), other);
  EXPECT_EQ(ReadBytes(other), "Gr\xC3\xBC\xC3\x9F dich.\tHello.\r\nTsch\xC3\xBCss.\r\n");
}

TEST_F(CommandsTest, CloseDiscardsOnCancelAndKeepsBestSpeed) {
  const std::string path = OpenFile("a.txt", "A\r\nB\r\n");
  drill.OnKeyPress('B');  // the first key
  clock.milliseconds += 24000;
  view.Paste(drill, std::string(100, 'B'));  // 100 keys in 24 seconds
  drill.ShowSentence(view.input);
  drill.OnKeyPress('\r');
  ASSERT_EQ(view.currentBar, 250);
  drill.MarkRecord("A");
  view.cues.clear();
  view.answers.push_back(Answer::Cancel);
  commands.Close();
  EXPECT_EQ(ReadBytes(path), "A\r\nB\r\n");
  EXPECT_EQ(view.cues, (Cues{Cue::Close}));
  EXPECT_FALSE(drill.HasOpenFile());
  EXPECT_FALSE(drill.Modified());
  EXPECT_EQ(drill.FileLines().Count(), 0u);
  EXPECT_EQ(view.target, "");
  EXPECT_EQ(view.currentBar, 0);
  EXPECT_EQ(view.currentText, "0");
  EXPECT_EQ(view.bestText, "250");
  EXPECT_EQ(view.infoText, kNoFileText);
  EXPECT_EQ(commands.CurrentFile().name, path);

  view.messages.clear();
  commands.Open();  // nothing left to save, nothing asked
  EXPECT_TRUE(view.messages.empty());
  commands.Close();  // no file: no cue
  commands.Save();
  EXPECT_EQ(view.cues.size(), 1u);
}

TEST_F(CommandsTest, MarkReadyTakesTheTargetOutOfTheDrill) {
  OpenFile("a.txt", "A\r\nB\r\nC\r\n");
  drill.ShowSentence("C");
  drill.OnKeyPress('C');
  clock.milliseconds += 500;
  view.Paste(drill, "C");
  drill.OnKeyPress('\r');
  ASSERT_GT(view.currentBar, 0);
  ASSERT_TRUE(drill.HasPrevious());
  drill.ShowSentence("B");
  view.Paste(drill, "B");
  view.cues.clear();
  commands.MarkReady();
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "*B", "C"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Texts{"A", "C"}));
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 1 marked ready ...");
  EXPECT_TRUE(view.target == "A" || view.target == "C");
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(view.currentBar, 0);
  EXPECT_EQ(view.currentText, "0");
  EXPECT_TRUE(drill.Modified());
  EXPECT_FALSE(drill.HasPrevious());
  EXPECT_EQ(drill.PreviousSentence(), "B");
  EXPECT_EQ(view.cues, (Cues{Cue::Menu}));
  EXPECT_EQ(view.spoken, "Marked. 1 of 3 marked. Next: " + view.target);
}

TEST_F(CommandsTest, LastRecordOffersToClearAllMarks) {
  OpenFile("a.txt", "*A\r\nB\r\n*C\r\n");
  ASSERT_EQ(view.target, "B");
  view.Paste(drill, "Bx");
  view.answers.push_back(Answer::Cancel);
  commands.MarkReady();
  EXPECT_EQ(view.messages, (Texts{std::string(kLastRecordQuestion)}));
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"*A", "B", "*C"}));
  EXPECT_FALSE(drill.Modified());
  EXPECT_EQ(view.input, "Bx");

  commands.MarkReady();  // answered OK
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "B", "C"}));
  EXPECT_EQ(view.infoText, "There are 3 records in the file, 0 marked ready ...");
  EXPECT_EQ(view.target, "B");
  EXPECT_TRUE(drill.Modified());
}

TEST_F(CommandsTest, UndoTakesBackMarksNewestFirst) {
  const std::string original = "A\r\n*B\r\nC\r\nD\r\n";
  const std::string path = OpenFile("a.txt", original);
  EXPECT_EQ(view.undoText, "");
  drill.ShowSentence("C");
  commands.MarkReady();
  EXPECT_EQ(view.undoText, "Undo Mark Ready");
  commands.ClearAllMarks();
  EXPECT_EQ(view.undoText, "Undo Clear All Marks");
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "B", "C", "D"}));
  const std::string target = view.target;
  const std::size_t cues = view.cues.size();
  const std::string previous = drill.PreviousSentence();

  commands.Undo();  // the clearing
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "*B", "*C", "D"}));
  EXPECT_EQ(view.infoText, "There are 4 records in the file, 2 marked ready ...");
  EXPECT_EQ(view.undoText, "Undo Mark Ready");
  commands.Undo();  // the mark
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "*B", "C", "D"}));
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Texts{"A", "C", "D"}));
  EXPECT_EQ(view.infoText, "There are 4 records in the file, 1 marked ready ...");
  EXPECT_EQ(view.undoText, "");
  EXPECT_TRUE(drill.Modified());
  EXPECT_EQ(view.target, target);  // no cue, target or previous sentence of its own
  EXPECT_EQ(view.cues.size(), cues);
  EXPECT_EQ(drill.PreviousSentence(), previous);
  commands.Save();
  EXPECT_EQ(ReadBytes(path), original);

  // The last record's question, answered OK, is undone as the Mark Ready.
  OpenFile("b.txt", "*A\r\nB\r\n");
  commands.MarkReady();
  EXPECT_EQ(view.undoText, "Undo Mark Ready");
  commands.Undo();
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"*A", "B"}));
  EXPECT_EQ(drill.RecordCount(), 2);
  // A save, a load or Close leaves nothing to undo.
  commands.ClearAllMarks();
  commands.Save();
  EXPECT_EQ(view.undoText, "");
  commands.Undo();
  EXPECT_EQ(Entries(drill.FileLines()), (Texts{"A", "B"}));
}

TEST_F(CommandsTest, OptionsAboutAndGuards) {
  commands.ClearAllMarks();
  commands.MarkReady();
  commands.PreviousSentence();
  EXPECT_TRUE(view.cues.empty());

  commands.ToggleSoundEffect();
  EXPECT_FALSE(drill.Options().soundEffect);
  EXPECT_FALSE(view.soundChecked);
  commands.ToggleCaseSensitive();
  commands.ToggleCaseSensitive();
  EXPECT_TRUE(drill.Options().caseSensitive);
  EXPECT_TRUE(view.caseChecked);
  OpenFile("a.txt", "*A\r\nB\r\n");
  commands.ClearAllMarks();
  commands.About();
  EXPECT_TRUE(view.cues.empty());  // sound is off
  EXPECT_EQ(view.aboutShown, 1);
  EXPECT_EQ(Entries(drill.UnmarkedList()), (Texts{"A", "B"}));

  commands.ToggleSoundEffect();
  commands.About();
  EXPECT_EQ(view.cues, (Cues{Cue::Start}));
}

}  // namespace
}  // namespace dru
