// Faults around the user's files: nothing may be lost.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "app/commands.h"
#include "app/csv_export.h"
#include "app/lifecycle.h"
#include "core/file/io_error.h"
#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace dru {
namespace {

namespace fs = std::filesystem;
using testing::Entries;
using testing::FakeView;
using testing::FileCount;
using testing::FixedClock;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

struct Program {
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  Commands commands{drill, view};

  void Open(const std::string& path) {
    view.openChoices.push_back(path);
    commands.Open();
  }
  // Opens a file holding bytes and marks its record target.
  void OpenAndMark(const std::string& path, const std::string& bytes, const std::string& target) {
    WriteBytes(path, bytes);
    Open(path);
    drill.ShowSentence(target);
    commands.MarkReady();
  }
};

TEST(FileFaults, DiskFullDuringSaveLosesNothing) {
  TempDir dir;
  const std::string path = dir.File("records.dat");
  const std::string original = testing::NumberedRecords(2000);
  WriteBytes(path, original);

  const std::string outcome =
      testing::RunInChild([] { return testing::LimitFileSize(8192); },  // far less than the file
                          [&path]() -> std::string {
                            Program program;
                            program.Open(path);
                            program.commands.MarkReady();
                            try {
                              program.commands.Save();
                              return "the save succeeded";
                            } catch (const IoError& error) {
                              if (WithFullStop(error.what()) != "Disk full.") return error.what();
                            }
                            return program.drill.Modified() ? "" : "Modified was cleared";
                          });
  EXPECT_EQ(outcome, "");
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(FileCount(dir.Path()), 1u);  // no temporary file left behind
}

TEST(FileFaults, OddFileNamesRoundTrip) {
  TempDir dir;
  for (const std::string& name :
       {std::string("with space.txt"), std::string("Tom & Jerry.dat"),
        std::string("\"quoted\" 'too'.txt"), std::string("caf\xC3\xA9.txt"),
        std::string("latin\xE9.dat"), std::string("-starts-with-dash"), std::string(250, 'n')}) {
    const std::string path = dir.File(name);
    WriteBytes(path, "one\r\ntwo\r\n");
    Program program;
    program.Open(path);
    ASSERT_TRUE(program.drill.HasOpenFile()) << name;
    program.drill.ShowSentence("two");
    program.commands.MarkReady();
    program.commands.Save();
    EXPECT_EQ(ReadBytes(path), "one\r\n*two\r\n") << name;
  }
  EXPECT_EQ(FileCount(dir.Path()), 7u);
}

TEST(FileFaults, FileGoneBeforeLoadingChangesNothingVisible) {
  TempDir dir;
  Program program;
  WriteBytes(dir.File("a.dat"), "A\r\n");
  program.Open(dir.File("a.dat"));
  const std::string gone = dir.File("gone.dat");
  WriteBytes(gone, "B\r\n");
  program.view.openChoices.push_back(gone);
  fs::remove(gone);  // deleted after the user chose it
  program.commands.Open();
  EXPECT_EQ(program.commands.CurrentFile().name, gone);
  EXPECT_EQ(program.view.target, "A");
  EXPECT_TRUE(program.view.messages.empty());

  program.view.openChoices.push_back(dir.Path().string());  // a folder chosen as the file
  program.commands.Open();
  EXPECT_EQ(Entries(program.drill.FileLines()), (std::vector<std::string>{"A"}));
}

TEST(FileFaults, FailedLoadChangesNothing) {
  const std::string outcome = testing::RunUnprivileged([]() -> std::string {
    TempDir dir;
    Program program;
    const std::string first = dir.File("first.dat");
    program.OpenAndMark(first, "A\r\nB\r\n", "A");
    const std::string target = program.view.target;
    const std::string writeOnly = dir.File("write-only.dat");
    WriteBytes(writeOnly, "mine\r\n");
    chmod(writeOnly.c_str(), 0200);
    const std::string wide = dir.File("utf-16.txt");
    WriteBytes(wide, std::string("\xFF\xFEm\0i\0", 6));
    for (const auto& [path, text] :
         {std::pair{writeOnly, std::string("File access denied")},
          std::pair{wide, wide + " is UTF-16 text; dru reads UTF-8 and Windows-1252 files"}}) {
      program.view.answers.push_back(Answer::Cancel);  // keep the changes unsaved for now
      try {
        program.Open(path);
        return path + " opened";
      } catch (const IoError& error) {
        if (error.what() != text) return error.what();
      }
    }
    if (ReadBytes(wide) != std::string("\xFF\xFEm\0i\0", 6)) return "the UTF-16 file changed";
    if (program.commands.CurrentFile().name != first)
      return "CurrentFile became " + program.commands.CurrentFile().name;
    if (program.view.target != target || !program.drill.Modified()) return "the drill changed";
    if (program.view.infoText != "There are 2 records in the file, 1 marked ready ...") {
      return "the information line changed";
    }
    program.commands.Save();
    chmod(writeOnly.c_str(), 0600);
    if (ReadBytes(writeOnly) != "mine\r\n") return "the chosen file was overwritten";
    if (ReadBytes(first) != "*A\r\nB\r\n") return "the open file lost its mark";

    // A file that cannot be written says so when it is opened.
    const std::string readOnly = dir.File("read-only.dat");
    WriteBytes(readOnly, "mine\r\n");
    chmod(readOnly.c_str(), 0444);
    program.Open(readOnly);
    if (program.view.status != kReadOnlyNotice) return "read-only: " + program.view.status;
    program.Open(first);
    return program.view.status.empty() ? "" : "writable: " + program.view.status;
  });
  EXPECT_EQ(outcome, "");
}

TEST(FileFaults, OnlyRegularFilesAreRead) {
  TempDir dir;
  Program program;
  program.Open(dir.File("a.dat"));  // missing: only remembered
  WriteBytes(dir.File("a.dat"), "A\r\n");
  program.Open(dir.File("a.dat"));
  ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
  for (const std::string& path : {dir.File("fifo"), std::string("/dev/zero")}) {
    // A FIFO without a writer would block the window for good.
    const std::string outcome = testing::RunInChild(
        [] {
          alarm(10);
          return std::string();
        },
        [&]() -> std::string {
          program.Open(path);
          return "it opened";
        });
    EXPECT_EQ(outcome, path + " is not a regular file");
  }
  EXPECT_EQ(program.commands.CurrentFile().name, dir.File("a.dat"));
}

TEST(FileFaults, OtherProgramsEditsAreNotOverwrittenSilently) {
  TempDir dir;
  Program program;
  const std::string path = dir.File("a.dat");
  program.OpenAndMark(path, "A\r\nB\r\n", "A");
  WriteBytes(path, "A\r\nB\r\nadded by an editor\r\n");
  const std::string question = ChangedOnDiskQuestion(path);

  program.view.answers.push_back(Answer::Cancel);
  program.commands.Save();
  EXPECT_EQ(program.view.messages, (std::vector<std::string>{question}));
  EXPECT_TRUE(program.drill.Modified());
  Lifecycle lifecycle(program.drill, program.commands);
  program.view.answers = {Answer::Ok, Answer::Cancel};  // Close stops, the file stays open
  program.commands.Close();
  EXPECT_TRUE(program.drill.HasOpenFile());

  program.commands.Save();  // answered OK
  EXPECT_EQ(ReadBytes(path), "*A\r\nB\r\n");
  program.view.messages.clear();
  program.drill.ClearAllMarks();                  // a change
  EXPECT_TRUE(lifecycle.SaveBeforeClose(false));  // our own save changes nothing
  EXPECT_TRUE(program.view.messages.empty());

  // A program that rewrites bytes in place, as many as there were, and
  // sets the time back: only the change time tells.
  struct stat before {};
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  ASSERT_EQ(before.st_size, 6);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  WriteBytes(path, "B\r\nA\r\n");
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  // Nobody there to answer: the other program's text stays, the marks go
  // beside it without a box, and the close goes on.
  program.drill.MarkRecord("B");
  EXPECT_TRUE(lifecycle.SaveBeforeClose(false));
  EXPECT_EQ(ReadBytes(path), "B\r\nA\r\n");
  EXPECT_TRUE(program.view.messages.empty());
  const std::string copy = program.commands.MarksCopy();
  EXPECT_TRUE(copy.starts_with(path + ".dru-marks-")) << copy;
  EXPECT_EQ(ReadBytes(copy), "A\r\n*B\r\n");
  // A second copy on the same day never replaces the first.
  program.drill.MarkRecord("A");
  EXPECT_TRUE(lifecycle.SaveBeforeClose(false));
  EXPECT_EQ(program.commands.MarksCopy(), copy + "-2");
  EXPECT_EQ(ReadBytes(copy), "A\r\n*B\r\n");
  EXPECT_EQ(ReadBytes(copy + "-2"), "*A\r\n*B\r\n");
}

TEST(FileFaults, UnreadableSettingsGiveDefaultsAndAreNotOverwritten) {
  const std::string outcome = testing::RunUnprivileged([]() -> std::string {
    TempDir dir;
    fs::current_path(dir.Path());
    WriteBytes(dir.File("dru.ini"), "[Options]\nSoundEffect=0\n; mine\n");
    chmod(dir.File("dru.ini").c_str(), 0200);  // write-only
    Program program;
    Lifecycle lifecycle(program.drill, program.commands);
    lifecycle.StartUp();
    if (!program.drill.Options().soundEffect) return "the unreadable value was read";
    try {
      lifecycle.WriteIniFile();
      return "the settings were overwritten";
    } catch (const UserError& error) {
      if (std::string(error.what()) != "Unable to write to " + dir.File("dru.ini")) {
        return error.what();
      }
    }
    chmod(dir.File("dru.ini").c_str(), 0600);
    return ReadBytes(dir.File("dru.ini")) == "[Options]\nSoundEffect=0\n; mine\n"
               ? ""
               : "the settings file changed";
  });
  EXPECT_EQ(outcome, "");
}

TEST(FileFaults, UnwritableStartFolderReportsTheSettingsPath) {
  const std::string outcome = testing::RunUnprivileged([]() -> std::string {
    TempDir dir;
    fs::current_path(dir.Path());
    Program program;
    Lifecycle lifecycle(program.drill, program.commands);
    lifecycle.StartUp();
    chmod(dir.Path().c_str(), 0555);
    try {
      lifecycle.WriteIniFile();
      return "the settings were written";
    } catch (const UserError& error) {
      chmod(dir.Path().c_str(), 0755);
      if (WithFullStop(error.what()) != "Unable to write to " + dir.File("dru.ini") + ".") {
        return error.what();
      }
    }
    return FileCount(dir.Path()) == 0 ? "" : "something was left in the folder";
  });
  EXPECT_EQ(outcome, "");
}

// A sentence a spreadsheet would run is exported as text; RFC 4180 quoting
// everywhere else.
TEST(CsvExport, FieldsAreQuotedAndFormulasDefused) {
  const std::pair<std::string, std::string> fields[] = {
      {"plain words", "plain words"},
      {"", ""},
      {"1+1=2", "1+1=2"},
      {"a, b", "\"a, b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"=cmd|' /C calc'!A0", "\"'=cmd|' /C calc'!A0\""},
      {"+1+2", "\"'+1+2\""},
      {"-2", "\"'-2\""},
      {"@SUM(1+1)", "\"'@SUM(1+1)\""},
      {"\tTab", "\"'\tTab\""},
      {"\rReturn", "\"'\rReturn\""},
      {"=\"x\"", "\"'=\"\"x\"\"\""},
  };
  for (const auto& [text, field] : fields)
    EXPECT_EQ(CsvField(text), field) << text;
  EXPECT_EQ(CsvLine({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

// Export never lands on a file that dru is using, under any name.
TEST(CsvExport, FilesInUseAreRefusedByTheirInode) {
  TempDir dir;
  const std::string sentences = dir.File("phrases.txt");
  const std::string settings = dir.File("dru.ini");
  WriteBytes(sentences, "Hello\r\n");
  fs::create_symlink(sentences, dir.File("link.csv"));
  fs::create_hard_link(sentences, dir.File("hard.csv"));
  const std::vector<FileInUse> inUse{{sentences, "the sentence file open in dru"},
                                     {settings, "dru's settings file"}};
  for (const char* name : {"phrases.txt", "link.csv", "hard.csv"}) {
    EXPECT_EQ(ExportRefusal(dir.File(name), inUse),
              dir.File(name) + " is the sentence file open in dru; export to another file.");
  }
  EXPECT_EQ(ExportRefusal(settings, inUse),  // not written yet
            settings + " is dru's settings file; export to another file.");
  WriteBytes(dir.File("old.csv"), "old");
  EXPECT_EQ(ExportRefusal(dir.File("old.csv"), inUse), "");
  EXPECT_EQ(ExportRefusal(dir.File("new.csv"), inUse), "");
}

}  // namespace
}  // namespace dru
