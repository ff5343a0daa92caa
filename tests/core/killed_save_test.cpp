// A save that is killed half-way leaves either the old or the new file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <grp.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "core/file/io_error.h"
#include "core/file/safe_file_writer.h"
#include "core/file/sentence_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace dru {
namespace {

std::string NewContents() {
  std::string bytes;
  bytes.reserve(100u << 20);
  for (int i = 0; bytes.size() < (100u << 20); ++i) {
    bytes += "Line " + std::to_string(i) + " of a large sentence file, long enough to matter.\r\n";
  }
  return bytes;
}

// The hash in the names of a file's temporary files (FNV-1a, in hex).
std::string NameHash(const std::string& name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : name)
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", hash);
  return hex;
}

TEST(KilledSave, FileIsOldOrNewNeverHalf) {
  testing::TempDir dir;
  const std::string path = dir.File("big.dat");
  const std::string oldContents = "the old file\r\n";
  const std::string newContents = NewContents();

  for (int delayMs : {5, 40, 120}) {
    testing::WriteBytes(path, oldContents);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    if (child == 0) {
      testing::WriteBytes(path + ".src", newContents);
      const SentenceFile file = ReadSentenceFile(path + ".src");
      [[maybe_unused]] auto ignored = write(fds[1], "go", 2);
      WriteSentenceFile(path, file.fileLines, file.format);
      _exit(0);
    }
    close(fds[1]);
    char go[2];
    ASSERT_EQ(read(fds[0], go, 2), 2);
    close(fds[0]);
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string now = testing::ReadBytes(path);
    EXPECT_TRUE(now == oldContents || now == newContents)
        << "after " << delayMs << " ms the file holds " << now.size() << " bytes";
  }
  // What the killed saves left behind is ours, but as young as this
  // process: it may be a save under way, so it stays. A user's own file
  // named almost like ours stays whatever its age.
  const std::string prefix = dir.File(".dru-" + NameHash("big.dat") + "-");
  testing::WriteBytes(prefix + "abcdef", "the user's own");
  testing::WriteBytes(prefix + "Zq09aB.dru-save", "one of ours");
  const std::size_t before = testing::FileCount(dir.Path());
  WriteFileSafely(path, oldContents);
  EXPECT_EQ(testing::FileCount(dir.Path()), before);
  // Left by an earlier run, the next save clears them away.
  const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    utimensat(AT_FDCWD, entry.path().c_str(), anHourAgo, 0);
  WriteFileSafely(path, oldContents);
  EXPECT_EQ(testing::FileCount(dir.Path()), 3u);  // the file, its source, the user's own
  EXPECT_EQ(testing::ReadBytes(prefix + "abcdef"), "the user's own");
}

// A termination request during an in-place save waits for the file to be
// whole, then ends the program as the signal would.
TEST(KilledSave, ASignalDuringAnInPlaceSaveEndsTheProgramAfterIt) {
  testing::TempDir dir;
  const std::string path = dir.File("linked.dat");
  testing::WriteBytes(path, "the old file\r\n");
  std::filesystem::create_hard_link(path, dir.File("other name.dat"));  // saved in place
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    // As dru's handler does once a close is under way.
    signal(SIGTERM, [](int number) {
      if (DeferTermination(number)) return;
      signal(number, SIG_DFL);
      raise(number);
    });
    SafeFileWriter writer(path, 14);
    if (!writer.WritesInPlace()) _exit(2);
    raise(SIGTERM);
    [[maybe_unused]] auto ignored = write(fds[1], "held", 4);
    writer.Write("the new file\r\n");
    writer.Commit();
    _exit(0);  // never reached: the held signal ends it
  }
  close(fds[1]);
  char held[4] = {};
  EXPECT_EQ(read(fds[0], held, sizeof held), 4);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(testing::ReadBytes(path), "the new file\r\n");
}

// In a folder shared with others, a save touches only the user's own:
// neither another user's leftover nor, through a link of the user's, a
// file of another user.
TEST(KilledSave, OtherUsersFilesInASharedFolderAreLeftAlone) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to make files of other users";
  constexpr uid_t kOther = 12345;
  constexpr uid_t kUser = 65534;
  testing::TempDir dir;
  chmod(dir.Path().c_str(), 0777);
  const std::string path = dir.File("Default.dat");
  testing::WriteBytes(path, "mine\r\n");
  const std::string prefix = dir.File(".dru-" + NameHash("Default.dat") + "-");
  const std::string theirs = prefix + "Zq09aB.dru-save";
  const std::string mine = prefix + "Zq09aC.dru-save";
  const std::string theirFile = dir.File("theirs.dat");
  testing::WriteBytes(theirs, "another user's save under way");
  testing::WriteBytes(mine, "a killed save of ours");
  testing::WriteBytes(theirFile, "theirs\r\n");
  chmod(theirFile.c_str(), 0666);
  const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
  for (const auto& [file, owner] : {std::pair{path, kUser}, std::pair{theirs, kOther},
                                    std::pair{mine, kUser}, std::pair{theirFile, kOther}}) {
    ASSERT_EQ(chown(file.c_str(), owner, owner), 0);
    utimensat(AT_FDCWD, file.c_str(), anHourAgo, 0);
  }
  const std::string outcome = testing::RunUnprivileged([&]() -> std::string {
    WriteFileSafely(path, "*mine\r\n");
    std::filesystem::create_symlink("theirs.dat", dir.File("link.dat"));
    try {
      WriteFileSafely(dir.File("link.dat"), "overwritten\r\n");
      return "written through the link";
    } catch (const IoError& error) {
      return error.what();
    }
  });
  EXPECT_EQ(outcome, dir.File("link.dat") +
                         " leads to a file that is not the user's own; it was not written");
  EXPECT_EQ(testing::ReadBytes(path), "*mine\r\n");
  EXPECT_EQ(testing::ReadBytes(theirFile), "theirs\r\n");
  EXPECT_TRUE(std::filesystem::exists(theirs));
  EXPECT_FALSE(std::filesystem::exists(mine));
}

}  // namespace
}  // namespace dru
