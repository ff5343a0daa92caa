#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "fake_view.h"
#include "io_error.h"
#include "lifecycle.h"
#include "single_instance.h"
#include "temp_dir.h"
#include "unprivileged.h"

namespace dru {
namespace {

namespace fs = std::filesystem;
using testing::FakeView;
using testing::FixedClock;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Runs each test in a fresh working directory.
class LifecycleTest : public ::testing::Test {
 protected:
  LifecycleTest() : previous(fs::current_path()) { fs::current_path(dir.Path()); }
  ~LifecycleTest() override { fs::current_path(previous); }

  fs::path previous;
  TempDir dir;
  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  Commands commands{drill};
  Lifecycle lifecycle{drill, commands};
  DrillState& state = drill.State();
};

TEST_F(LifecycleTest, FirstStartInEmptyFolder) {
  lifecycle.StartUp();
  EXPECT_EQ(state.StartDir, dir.Path().string() + "/");
  EXPECT_TRUE(state.NoFileOpen);
  EXPECT_TRUE(state.NoPrevious);
  EXPECT_TRUE(state.SoundEffect);
  EXPECT_TRUE(state.CaseSensitive);
  EXPECT_EQ(state.CurrentFile, "Default.dat");
  EXPECT_EQ(view.saveDialogName, "Default.dat");
  EXPECT_EQ(view.infoText, kNoFileText);
  EXPECT_EQ(view.cues, (std::vector<Cue>{Cue::About}));

  lifecycle.SaveBeforeClose();
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[Files]\nLastOpenFile=Default.dat\n\n[Options]\nSoundEffect=1\nCaseSensitive=1\n");
  EXPECT_FALSE(fs::exists(dir.File("Default.dat")));
}

TEST_F(LifecycleTest, SettingsAndLastFileComeBack) {
  fs::create_directory(dir.File("sub"));
  WriteBytes(dir.File("sub/w.dat"), "one\r\n*two\r\n");
  WriteBytes(dir.File("dru.ini"),
             "[options]\nsoundeffect = \"0\"\nCaseSensitive=x0\n[FILES]\nLastOpenFile=sub/w.dat\n");
  lifecycle.StartUp();
  EXPECT_FALSE(state.SoundEffect);
  EXPECT_FALSE(view.soundChecked);
  EXPECT_FALSE(state.CaseSensitive);
  EXPECT_FALSE(view.caseChecked);
  EXPECT_EQ(state.CurrentFile, "sub/w.dat");  // relative, as read
  EXPECT_EQ(view.saveDialogName, "");
  EXPECT_FALSE(state.NoFileOpen);
  EXPECT_EQ(view.target, "one");
  EXPECT_TRUE(view.cues.empty());

  state.FileLines.Put(0, "*one");
  state.Modified = true;
  lifecycle.SaveBeforeClose();
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("sub/w.dat")), "*one\r\n*two\r\n");
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[options]\nSoundEffect=0\nCaseSensitive=0\n[FILES]\nLastOpenFile=sub/w.dat\n");
}

TEST_F(LifecycleTest, MissingLastFileFallsBackToDefault) {
  WriteBytes(dir.File("Default.dat"), "fallback\r\n");
  WriteBytes(dir.File("dru.ini"), "[Files]\nLastOpenFile=/no/such/file.dat\n");
  lifecycle.StartUp();
  EXPECT_EQ(state.CurrentFile, "Default.dat");
  EXPECT_EQ(view.saveDialogName, "Default.dat");
  EXPECT_EQ(view.target, "fallback");
}

TEST(LifecycleErrors, LoadErrorAtStartUpEndsEarly) {
  const std::string outcome = testing::RunUnprivileged([]() -> std::string {
    TempDir dir;
    fs::current_path(dir.Path());
    WriteBytes(dir.File("Default.dat"), "x\r\n");
    chmod(dir.File("Default.dat").c_str(), 0);
    FakeView view;
    FixedClock clock;
    Drill drill(view, clock);
    Commands commands(drill);
    Lifecycle lifecycle(drill, commands);
    try {
      lifecycle.StartUp();
      return "no error";
    } catch (const IoError& error) {
      if (std::string(error.what()) != "File access denied") return error.what();
    }
    if (!drill.State().NoFileOpen) return "a file is open";
    if (!view.cues.empty()) return "the start-up cue played";
    if (view.infoText != kNoFileText) return "information line " + view.infoText;
    return "";
  });
  EXPECT_EQ(outcome, "");
}

TEST_F(LifecycleTest, UnwritableSettingsReportThePath) {
  lifecycle.StartUp();
  fs::create_directory(dir.File("dru.ini"));  // a folder in the file's place
  try {
    lifecycle.WriteIniFile();
    ADD_FAILURE() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + dir.File("dru.ini"));
  }
  state.StartDir = dir.File("gone") + "/";
  EXPECT_THROW(lifecycle.WriteIniFile(), UserError);
}

TEST(SingleInstance, SecondClaimSeesTheFirst) {
  TempDir dir;
  std::unique_ptr<InstanceLock> first;
  std::unique_ptr<InstanceLock> second;
  EXPECT_EQ(ClaimInstance(dir.Path().string(), first), InstanceClaim::OnlyInstance);
  EXPECT_EQ(ClaimInstance(dir.Path().string(), second), InstanceClaim::AnotherRunning);
  EXPECT_EQ(second, nullptr);
  first.reset();  // as when the process ends
  EXPECT_EQ(ClaimInstance(dir.Path().string(), second), InstanceClaim::OnlyInstance);
  EXPECT_EQ(ClaimInstance("", first), InstanceClaim::CouldNotCheck);
  EXPECT_EQ(ClaimInstance(dir.File("missing"), first), InstanceClaim::CouldNotCheck);
}

TEST(SingleInstance, PrivateFolderWithoutRuntimeDirectory) {
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string keep = saved != nullptr ? saved : "";
  unsetenv("XDG_RUNTIME_DIR");
  const std::string folder = RuntimeFolder();
  if (saved != nullptr) setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
  ASSERT_EQ(folder, "/tmp/dru-" + std::to_string(getuid()));
  struct stat info {};
  ASSERT_EQ(lstat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  setenv("XDG_RUNTIME_DIR", "/run/elsewhere", 1);
  EXPECT_EQ(RuntimeFolder(), "/run/elsewhere");
  if (saved != nullptr) {
    setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
}  // namespace dru
