// Faults around the user's files: nothing may be lost.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "commands.h"
#include "fake_view.h"
#include "io_error.h"
#include "lifecycle.h"
#include "temp_dir.h"
#include "unprivileged.h"

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
  Commands commands{drill};
  DrillState& state = drill.State();

  void Open(const std::string& path) {
    view.openChoices.push_back(path);
    commands.Open();
  }
};

TEST(FileFaults, DiskFullDuringSaveLosesNothing) {
  TempDir dir;
  const std::string path = dir.File("records.dat");
  std::string original;
  for (int i = 0; i < 2000; ++i)
    original += "record number " + std::to_string(i) + "\r\n";
  WriteBytes(path, original);

  const std::string outcome = testing::RunInChild(
      [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{8192, 8192};  // far less than the file
        return setrlimit(RLIMIT_FSIZE, &cap) == 0 ? std::string() : std::string("no limit");
      },
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
        return program.state.Modified ? "" : "Modified was cleared";
      });
  EXPECT_EQ(outcome, "");
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(FileCount(dir.Path()), 1u);  // no temporary file left behind
}

TEST(FileFaults, OddFileNamesRoundTrip) {
  TempDir dir;
  for (const char* name : {"with space.txt", "Tom & Jerry.dat", "\"quoted\" 'too'.txt",
                           "caf\xC3\xA9.txt", "latin\xE9.dat", "-starts-with-dash"}) {
    const std::string path = dir.File(name);
    WriteBytes(path, "one\r\ntwo\r\n");
    Program program;
    program.Open(path);
    ASSERT_FALSE(program.state.NoFileOpen) << name;
    program.view.target = "two";
    program.commands.MarkReady();
    program.commands.Save();
    EXPECT_EQ(ReadBytes(path), "one\r\n*two\r\n") << name;
  }
  EXPECT_EQ(FileCount(dir.Path()), 6u);
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
  EXPECT_EQ(program.state.CurrentFile, gone);
  EXPECT_EQ(program.view.target, "A");
  EXPECT_TRUE(program.view.messages.empty());

  program.view.openChoices.push_back(dir.Path().string());  // a folder chosen as the file
  program.commands.Open();
  EXPECT_EQ(Entries(program.state.FileLines), (std::vector<std::string>{"A"}));
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
    if (!program.state.SoundEffect) return "the unreadable value was read";
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

}  // namespace
}  // namespace dru
