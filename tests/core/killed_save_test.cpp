// A save that is killed half-way leaves either the old or the new file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "safe_file_writer.h"
#include "sentence_file.h"
#include "temp_dir.h"

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

}  // namespace
}  // namespace dru
