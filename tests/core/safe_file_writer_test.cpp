#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "fake_view.h"
#include "io_error.h"
#include "safe_file_writer.h"
#include "temp_dir.h"
#include "unprivileged.h"

namespace dru {
namespace {

namespace fs = std::filesystem;
using testing::FileCount;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Runs save in a child process that may write at most limit bytes per
// file; returns the error text the child saw, or "" when it saw none.
std::string SaveWithFileSizeLimit(rlim_t limit, const std::function<void()>& save) {
  return testing::RunInChild(
      [limit] {
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        const rlimit cap{limit, limit};
        return setrlimit(RLIMIT_FSIZE, &cap) == 0 ? std::string() : std::string("no limit");
      },
      [&save] {
        save();
        return std::string();
      });
}

TEST(SafeFileWriter, FailedSaveLeavesOriginalIntactAndNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.File("records.dat");
  const std::string original = "old line\r\n*kept\r\n";
  WriteBytes(path, original);

  testing::FakeView view;
  testing::FixedClock clock;
  Drill drill(view, clock);
  for (int i = 0; i < 20000; ++i)
    drill.State().FileLines.Add("a much longer line than before");

  const std::string error = SaveWithFileSizeLimit(4096, [&] { drill.SaveListToFile(path); });
  EXPECT_EQ(error, "Disk full");
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(SafeFileWriter, KeepsPermissionBitsAndWritesThroughLinks) {
  TempDir dir;
  const std::string real = dir.File("real.dat");
  WriteBytes(real, "old");
  chmod(real.c_str(), 0640);
  fs::create_symlink("real.dat", dir.File("link.dat"));

  WriteFileSafely(dir.File("link.dat"), "new\r\n");
  EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
  EXPECT_EQ(ReadBytes(real), "new\r\n");
  struct stat info {};
  ASSERT_EQ(stat(real.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  // A dangling link creates the file it names.
  fs::create_symlink("fresh.dat", dir.File("dangling.dat"));
  WriteFileSafely(dir.File("dangling.dat"), "x");
  EXPECT_EQ(ReadBytes(dir.File("fresh.dat")), "x");
  EXPECT_EQ(FileCount(dir.Path()), 4u);
}

TEST(SafeFileWriter, ReportsUnwritableTargets) {
  TempDir dir;
  fs::create_directory(dir.File("folder"));
  WriteBytes(dir.File("plain"), "p");
  auto errorFor = [](const std::string& path) -> std::string {
    try {
      WriteFileSafely(path, "data");
    } catch (const IoError& error) {
      return error.what();
    }
    return "";
  };
  EXPECT_EQ(errorFor(dir.File("folder")), "File access denied");
  EXPECT_EQ(errorFor(dir.File("missing/new.dat")), "File not found");
  EXPECT_EQ(errorFor(dir.File("plain/new.dat")), "Invalid filename");
  EXPECT_EQ(errorFor(""), "File not found");
  EXPECT_EQ(ReadBytes(dir.File("plain")), "p");
  EXPECT_EQ(FileCount(dir.Path()), 2u);
}

// Permission checks; returns what went wrong, or "".
std::string CheckReadOnlyFolderAndFile() {
  TempDir dir;
  const std::string path = dir.File("records.dat");
  WriteBytes(path, "old contents");
  WriteBytes(dir.File("locked.dat"), "locked");
  chmod(dir.File("locked.dat").c_str(), 0444);
  chmod(dir.Path().c_str(), 0555);
  try {
    SafeFileWriter writer(path);
    if (!writer.WritesInPlace()) return "no fallback to writing in place";
    writer.Write("new");
    writer.Commit();
  } catch (const IoError& error) {
    return std::string("in-place save failed: ") + error.what();
  }
  if (ReadBytes(path) != "new") return "in-place save wrote " + ReadBytes(path);
  try {
    WriteFileSafely(dir.File("other.dat"), "x");
    return "a new file appeared in a read-only folder";
  } catch (const IoError& error) {
    if (std::string(error.what()) != "File access denied") return error.what();
  }
  chmod(dir.Path().c_str(), 0755);
  try {
    WriteFileSafely(dir.File("locked.dat"), "x");
    return "a read-only file was replaced";
  } catch (const IoError& error) {
    if (std::string(error.what()) != "File access denied") return error.what();
  }
  if (ReadBytes(dir.File("locked.dat")) != "locked") return "the read-only file changed";
  return "";
}

TEST(SafeFileWriter, ReadOnlyFolderFallsBackToWritingInPlace) {
  EXPECT_EQ(testing::RunUnprivileged(CheckReadOnlyFolderAndFile), "");
}

}  // namespace
}  // namespace dru
