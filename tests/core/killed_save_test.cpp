// A save that is killed half-way leaves either the old or the new file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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
  // The next save clears away what the killed ones left behind.
  WriteFileSafely(path, oldContents);
  EXPECT_EQ(testing::FileCount(dir.Path()), 2u);  // the file and its source
}

}  // namespace
}  // namespace dru
