#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "core/file/io_error.h"
#include "core/file/safe_file_writer.h"
#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

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
  return testing::RunInChild([limit] { return testing::LimitFileSize(limit); },
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

  RecordList lines;
  for (int i = 0; i < 20000; ++i)
    lines.Add("a much longer line than before");

  const std::string error =
      SaveWithFileSizeLimit(4096, [&] { WriteSentenceFile(path, lines, FileFormat{}); });
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
  // Only regular files are replaced: not a FIFO, nor a link to one (or to
  // a device, which the test leaves alone).
  ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", dir.File("link"));
  EXPECT_EQ(errorFor(dir.File("fifo")), dir.File("fifo") + " is not a regular file");
  EXPECT_EQ(errorFor(dir.File("link")), dir.File("link") + " is not a regular file");
  EXPECT_TRUE(fs::is_fifo(dir.File("fifo")));
  EXPECT_EQ(FileCount(dir.Path()), 4u);
}

TEST(SafeFileWriter, HardLinksStayOneFileAndLongNamesSave) {
  TempDir dir;
  WriteBytes(dir.File("first.dat"), "old\r\n");
  fs::create_hard_link(dir.File("first.dat"), dir.File("second.dat"));
  WriteFileSafely(dir.File("first.dat"), "new\r\n");
  EXPECT_EQ(ReadBytes(dir.File("second.dat")), "new\r\n");
  EXPECT_EQ(fs::hard_link_count(dir.File("first.dat")), 2u);

  const std::string longest = dir.File(std::string(255, 'n'));  // the longest name there is
  WriteBytes(longest, "old");
  WriteFileSafely(longest, "new");
  EXPECT_EQ(ReadBytes(longest), "new");
  EXPECT_EQ(FileCount(dir.Path()), 3u);
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
    SafeFileWriter writer(path, 3);
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

TEST(SafeFileWriter, InPlaceSaveThatCannotGrowLeavesTheFileWhole) {
  TempDir dir;
  const std::string path = dir.File("records.dat");
  const std::string original = testing::NumberedRecords(2000);
  WriteBytes(path, original);
  chmod(path.c_str(), 0666);
  chmod(dir.Path().c_str(), 0777);  // the ordinary user below may write the file

  const std::string outcome = testing::RunInChild(
      [&] {
        // As an ordinary user, so that the read-only folder binds; the size
        // limit is the file's own size, so the longer text cannot fit.
        chmod(dir.Path().c_str(), 0555);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
          return std::string("no drop");
        }
        return testing::LimitFileSize(original.size());
      },
      [&]() -> std::string {
        SafeFileWriter writer(path, original.size() + 1);
        if (!writer.WritesInPlace()) return "not in place";
        writer.Write("*" + original);
        writer.Commit();
        return "the save succeeded";
      });
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(outcome, "Disk full");
  EXPECT_TRUE(ReadBytes(path) == original) << "the file was cut or changed";
}

// Another user's file in a shared folder, saved by an ordinary user who may
// write it: it stays that user's file, with its group and mode.
TEST(SafeFileWriter, SharedFolderFilesKeepOwnerGroupAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to make files of other users";
  constexpr uid_t kOwner = 12345;
  constexpr uid_t kMember = 65534;  // saves as a member of the owner's group
  struct Case {
    const char* what;
    mode_t folderMode;
    mode_t fileMode;
  };
  // A child process that is the member, in the owner's group.
  const auto asMember = [] {
    const gid_t groups[] = {kOwner};
    const bool dropped = setgroups(1, groups) == 0 && setgid(kMember) == 0 && setuid(kMember) == 0;
    return dropped ? std::string() : std::string("could not drop privileges");
  };
  for (const Case& c : {Case{"sticky folder, file for everyone", 01777, 0666},
                        Case{"open folder, file for the group", 0777, 0664}}) {
    TempDir dir;
    chmod(dir.Path().c_str(), c.folderMode);
    const std::string path = dir.File("Default.dat");
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(chown(path.c_str(), kOwner, kOwner), 0);
    ASSERT_EQ(chmod(path.c_str(), c.fileMode), 0);
    const std::string outcome = testing::RunInChild(asMember, [&] {
      WriteFileSafely(path, "*old\r\n");
      return std::string();
    });
    EXPECT_EQ(outcome, "") << c.what;
    EXPECT_EQ(ReadBytes(path), "*old\r\n") << c.what;
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kOwner) << c.what;
    EXPECT_EQ(info.st_gid, kOwner) << c.what;
    EXPECT_EQ(info.st_mode & 07777, c.fileMode) << c.what;
    EXPECT_EQ(FileCount(dir.Path()), 1u) << c.what;

    // The member's own link to the group's file is not followed: the file
    // is not the member's, whatever the group may write.
    const std::string link = dir.File("mine.dat");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(lchown(link.c_str(), kMember, kMember), 0);
    const std::string refused = testing::RunInChild(asMember, [&] {
      WriteFileSafely(link, "through the link\r\n");
      return std::string("written");
    });
    EXPECT_NE(refused.find("not the user's own"), std::string::npos) << c.what << ": " << refused;
    EXPECT_EQ(ReadBytes(path), "*old\r\n") << c.what;
  }
}

}  // namespace
}  // namespace dru
