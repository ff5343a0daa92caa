#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "app/instance_channel.h"
#include "app/lifecycle.h"
#include "app/single_instance.h"
#include "core/file/io_error.h"
#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

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
  Commands commands{drill, view};
  Lifecycle lifecycle{drill, commands};
};

TEST_F(LifecycleTest, FirstStartInEmptyFolder) {
  lifecycle.StartUp();
  EXPECT_EQ(commands.StartDir(), dir.Path().string() + "/");
  EXPECT_FALSE(drill.HasOpenFile());
  EXPECT_FALSE(drill.HasPrevious());
  EXPECT_TRUE(drill.Options().soundEffect);
  EXPECT_TRUE(drill.Options().caseSensitive);
  EXPECT_EQ(commands.CurrentFile().name, "Default.dat");
  EXPECT_EQ(commands.SaveDialogName(), "Default.dat");
  EXPECT_EQ(view.infoText, kNoFileText);
  EXPECT_EQ(view.cues, (std::vector<Cue>{Cue::About}));

  lifecycle.SaveBeforeClose(true);
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[Files]\nLastOpenFile=Default.dat\n\n[Options]\nSoundEffect=1\nCaseSensitive="
            "1\nShowMistakes=1\n");
  EXPECT_FALSE(fs::exists(dir.File("Default.dat")));
}

TEST_F(LifecycleTest, SettingsAndLastFileComeBack) {
  fs::create_directory(dir.File("sub"));
  WriteBytes(dir.File("sub/w.dat"), "one\r\n*two\r\n");
  WriteBytes(dir.File("dru.ini"),
             "[options]\nsoundeffect = \"0\"\nCaseSensitive=x0\nShowMistakes=0\nRecall = 3 \n"
             "[FILES]\nLastOpenFile=sub/w.dat\n");
  // The first frame, before the file is read: the options as chosen, and
  // the file about to be read, never "No File is opened".
  lifecycle.ReadSettings();
  EXPECT_FALSE(view.soundChecked);
  EXPECT_EQ(view.infoText, "Reading w.dat \u2026");
  lifecycle.StartUp();
  EXPECT_FALSE(drill.Options().soundEffect);
  EXPECT_FALSE(view.soundChecked);
  EXPECT_FALSE(drill.Options().caseSensitive);
  EXPECT_FALSE(view.caseChecked);
  EXPECT_FALSE(drill.Options().showMistakes);
  EXPECT_FALSE(view.mistakesChecked);
  EXPECT_EQ(drill.Options().recall, RecallOption::FirstLettersOnly);
  EXPECT_EQ(commands.CurrentFile().name, "sub/w.dat");  // relative, as read
  EXPECT_EQ(commands.CurrentFile().path, dir.File("sub/w.dat"));
  EXPECT_EQ(commands.SaveDialogName(), "");
  EXPECT_TRUE(drill.HasOpenFile());
  EXPECT_EQ(view.target, "one");
  EXPECT_TRUE(view.cues.empty());

  drill.MarkRecord("one");
  lifecycle.SaveBeforeClose(true);
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("sub/w.dat")), "*one\r\n*two\r\n");
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[options]\nSoundEffect=0\nCaseSensitive=0\nShowMistakes=0\nRecall=3\n[FILES]\n"
            "LastOpenFile=sub/w.dat\n");
}

TEST_F(LifecycleTest, MissingLastFileFallsBackToDefault) {
  WriteBytes(dir.File("Default.dat"), "fallback\r\n");
  WriteBytes(dir.File("dru.ini"), "[Files]\nLastOpenFile=/no/such/file.dat\n");
  // A file named on the command line that is not there: its error, and
  // start-up goes on as without it.
  EXPECT_EQ(lifecycle.StartUp(dir.File("named.txt"), "/examples"), "File not found");
  EXPECT_EQ(commands.CurrentFile().name, "Default.dat");
  EXPECT_EQ(commands.SaveDialogName(), "Default.dat");
  EXPECT_EQ(view.target, "fallback");
  EXPECT_EQ(view.status, "");  // a file is open: no advice

  WriteBytes(dir.File("named.txt"), "named\r\n");
  EXPECT_EQ(lifecycle.StartUp(dir.File("named.txt")), "");
  EXPECT_EQ(commands.CurrentFile().name, dir.File("named.txt"));
  EXPECT_EQ(view.target, "named");

  fs::remove(dir.File("Default.dat"));
  lifecycle.StartUp({}, "/usr/share/doc/dru/examples");
  EXPECT_FALSE(drill.HasOpenFile());
  EXPECT_EQ(view.status,
            "File \u203A Open chooses a sentence file; examples are in "
            "/usr/share/doc/dru/examples.");
}

TEST_F(LifecycleTest, MarksCopyOfTheLastCloseIsSaidOnce) {
  WriteBytes(dir.File("w.dat"), "one\r\n");
  WriteBytes(dir.File("w.dat.dru-marks-2026-12-10"), "*one\r\n");
  WriteBytes(dir.File("dru.ini"), "[Files]\nLastOpenFile=w.dat\nMarksCopy=" +
                                      dir.File("w.dat.dru-marks-2026-12-10") + "\n");
  lifecycle.StartUp();
  EXPECT_EQ(view.status,
            "Another program had changed the sentence file when dru was ended; your "
            "marks were saved in " +
                dir.File("w.dat.dru-marks-2026-12-10") + ".");
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[Files]\nLastOpenFile=w.dat\nMarksCopy=\n\n[Options]\nSoundEffect=1\nCaseSensitive="
            "1\nShowMistakes=1\n");
}

TEST_F(LifecycleTest, RelativeNameMeansTheStartUpFolder) {
  WriteBytes(dir.File("Default.dat"), "one\r\ntwo\r\n");
  lifecycle.StartUp();
  TempDir elsewhere;  // where a file dialog left the working directory
  WriteBytes(elsewhere.File("Default.dat"), "unrelated\r\n");
  fs::current_path(elsewhere.Path());
  drill.ShowSentence("two");
  commands.MarkReady();
  EXPECT_TRUE(lifecycle.SaveBeforeClose(true));
  lifecycle.WriteIniFile();
  EXPECT_EQ(ReadBytes(dir.File("Default.dat")), "one\r\n*two\r\n");
  EXPECT_EQ(ReadBytes(elsewhere.File("Default.dat")), "unrelated\r\n");
  EXPECT_NE(ReadBytes(dir.File("dru.ini")).find("LastOpenFile=Default.dat\n"), std::string::npos);
}

// Every name that can be opened is remembered exactly: blanks and quotes at
// its ends, and past 2047 bytes.
TEST_F(LifecycleTest, AnyOpenableNameComesBack) {
  std::string deep = dir.Path().string();
  while (deep.size() < 3000) {
    deep += "/" + std::string(200, 'd');
    fs::create_directory(deep);
  }
  for (const std::string& name :
       {dir.File("notes.txt "), dir.File(" lead.txt"), dir.File("tab\t"), dir.File("'single'"),
        std::string("\"quoted\""), std::string("'both\""), deep + "/long.txt"}) {
    WriteBytes(name, "one\r\n");
    commands.SetCurrentFile(name);
    lifecycle.WriteIniFile();
    Drill next(view, clock);
    Commands nextCommands(next, view);
    Lifecycle(next, nextCommands).StartUp();
    EXPECT_EQ(nextCommands.CurrentFile().name, name);
    EXPECT_TRUE(next.HasOpenFile()) << name;
  }
}

TEST_F(LifecycleTest, SettingsKeepTheirShape) {
  lifecycle.StartUp();
  lifecycle.WriteIniFile();
  // A name with a line break is not written, and the user is told; the
  // last good one stays.
  commands.SetCurrentFile(dir.File("evil\n[Options]\nCaseSensitive=0"));
  EXPECT_THROW(lifecycle.WriteIniFile(), UserError);
  EXPECT_EQ(ReadBytes(dir.File("dru.ini")),
            "[Files]\nLastOpenFile=Default.dat\n\n[Options]\nSoundEffect=1\nCaseSensitive="
            "1\nShowMistakes=1\n");

  // A FIFO or a device is no settings file: defaults, and nothing written.
  fs::remove(dir.File("dru.ini"));
  ASSERT_EQ(mkfifo(dir.File("dru.ini").c_str(), 0600), 0);
  const std::string outcome = testing::RunInChild(
      [] {
        alarm(10);
        return std::string();
      },
      [this]() -> std::string {
        lifecycle.StartUp();
        lifecycle.WriteIniFile();
        return "written";
      });
  EXPECT_EQ(outcome, "Unable to write to " + dir.File("dru.ini"));
  EXPECT_TRUE(fs::is_fifo(dir.File("dru.ini")));
}

TEST_F(LifecycleTest, FifoAsLastFileDoesNotHoldStartUp) {
  ASSERT_EQ(mkfifo(dir.File("records").c_str(), 0600), 0);
  WriteBytes(dir.File("dru.ini"), "[Files]\nLastOpenFile=records\n");
  const std::string outcome = testing::RunInChild(
      [] {
        alarm(10);
        return std::string();
      },
      [this]() -> std::string {
        lifecycle.StartUp();
        return "it loaded";
      });
  EXPECT_EQ(outcome, dir.File("records") + " is not a regular file");
}

// Another user plants dru.ini as a link to one of ours in a shared folder.
TEST(LifecycleErrors, SettingsAreNotWrittenThroughSomeoneElsesLink) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to make a link owned by another user";
  TempDir shared;
  chmod(shared.Path().c_str(), 01777);
  TempDir home;
  chmod(home.Path().c_str(), 0755);
  const std::string privateFile = home.File("private.txt");
  WriteBytes(privateFile, "secret\n");
  constexpr uid_t kVictim = 65534;
  constexpr uid_t kAttacker = 1;
  ASSERT_EQ(chown(privateFile.c_str(), kVictim, kVictim), 0);
  fs::create_symlink(privateFile, shared.File("dru.ini"));
  ASSERT_EQ(lchown(shared.File("dru.ini").c_str(), kAttacker, kAttacker), 0);
  const std::string outcome = testing::RunUnprivileged([&]() -> std::string {
    fs::current_path(shared.Path());
    FakeView view;
    FixedClock clock;
    Drill drill(view, clock);
    Commands commands(drill, view);
    Lifecycle lifecycle(drill, commands);
    lifecycle.StartUp();
    try {
      lifecycle.WriteIniFile();
    } catch (const UserError& error) {
      return error.what();
    }
    return "written";
  });
  EXPECT_EQ(outcome, "Unable to write to " + shared.File("dru.ini"));
  EXPECT_EQ(ReadBytes(privateFile), "secret\n");
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
    Commands commands(drill, view);
    Lifecycle lifecycle(drill, commands);
    try {
      lifecycle.StartUp();
      return "no error";
    } catch (const IoError& error) {
      if (std::string(error.what()) != "File access denied") return error.what();
    }
    if (drill.HasOpenFile()) return "a file is open";
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
  commands.SetStartDir(dir.File("gone"));
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
  // Anything planted at the lock's name is never used, and the reason is
  // given: a folder, a link, a FIFO.
  second.reset();
  TempDir planted;
  const std::string lock = planted.File("SemaphoreName");
  for (int kind = 0; kind < 3; ++kind) {
    fs::remove_all(lock);
    if (kind == 0) fs::create_directory(lock);
    if (kind == 1) fs::create_symlink(dir.File("SemaphoreName"), lock);
    if (kind == 2) mkfifo(lock.c_str(), 0600);
    std::string why;
    EXPECT_EQ(ClaimInstance(planted.Path().string(), first, &why), InstanceClaim::CouldNotCheck);
    EXPECT_EQ(why, lock + " is not dru's lock file") << kind;
  }
}

// A connection to the channel at path, as a client of any kind would make.
int Connect(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, path.c_str());
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// True when the channel closed fd (within a few seconds), without answering.
bool ClosedUnanswered(int fd) {
  pollfd ready{fd, POLLIN, 0};
  char answer = 0;
  return poll(&ready, 1, 5000) == 1 && recv(fd, &answer, 1, 0) <= 0;
}

TEST(SingleInstance, LaterStartsHandOverTheirFileThroughAPrivateSocket) {
  TempDir dir;
  const std::string path = InstanceChannelPath(dir.Path().string());
  EXPECT_FALSE(SendToRunningInstance(path, {}));  // nobody listens
  WriteBytes(path, "");                           // left by something else: not a socket
  EXPECT_EQ(InstanceChannel::Listen(path), nullptr);
  fs::remove(path);
  auto channel = InstanceChannel::Listen(path);
  ASSERT_NE(channel, nullptr);
  struct stat info {};
  ASSERT_EQ(lstat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_TRUE(channel->TakeRequests().empty());  // none waiting: the event loop goes on
  const std::string odd = std::string("/home/me/new\nline \xE9.txt");
  for (const InstanceRequest& request :
       {InstanceRequest{odd, "token-1"}, InstanceRequest{"", ""}}) {
    EXPECT_TRUE(SendToRunningInstance(path, request));
    pollfd ready{channel->Descriptor(), POLLIN, 0};
    EXPECT_EQ(poll(&ready, 1, 5000), 1);  // the event loop hears of it
    EXPECT_EQ(channel->TakeRequests(), std::vector<InstanceRequest>{request});
  }
  // A dru that ended leaves its socket; the next one takes its place.
  channel.reset();
  EXPECT_FALSE(fs::exists(path));
  EXPECT_NE(InstanceChannel::Listen(path), nullptr);
}

// Clients that never finish, send too much or crowd in hold nothing up: a
// real start still hands its file over.
TEST(SingleInstance, SlowCrowdedOrOversizedClientsAreClosed) {
  TempDir dir;
  const std::string path = InstanceChannelPath(dir.Path().string());
  auto channel = InstanceChannel::Listen(path);
  ASSERT_NE(channel, nullptr);
  // One byte now and then: closed once its time is up, its request unread.
  const int slow = Connect(path);
  ASSERT_GE(slow, 0);
  std::thread trickle([slow] {
    for (const char byte : std::string("open\0\0/a.txt", 11)) {
      if (send(slow, &byte, 1, MSG_NOSIGNAL) != 1) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    shutdown(slow, SHUT_WR);
  });
  // Thirty that say nothing.
  std::vector<int> idle;
  for (int i = 0; i < 30; ++i)
    idle.push_back(Connect(path));
  const InstanceRequest real{"/home/me/real.txt", ""};
  EXPECT_TRUE(SendToRunningInstance(path, real));
  const int large = Connect(path);
  [[maybe_unused]] const ssize_t sent =
      send(large, std::string(100 * 1024, 'x').data(), 100 * 1024, MSG_NOSIGNAL);
  EXPECT_TRUE(ClosedUnanswered(large));
  EXPECT_TRUE(ClosedUnanswered(slow));
  trickle.join();
  for (int fd : idle)
    EXPECT_TRUE(ClosedUnanswered(fd));
  EXPECT_EQ(channel->TakeRequests(), std::vector<InstanceRequest>{real});
  for (int fd : idle)
    close(fd);
  close(slow);
  close(large);

  // Whole and well formed, but over the size cap; and one more than the
  // cap of clients at once: neither is served.
  auto whole = [&](const std::string& file) {
    const int fd = Connect(path);
    const std::string request = std::string("open\0\0", 6) + file;
    [[maybe_unused]] const ssize_t n = send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    shutdown(fd, SHUT_WR);
    return fd;
  };
  const int oversized = whole("/" + std::string(InstanceChannel::kMostRequestBytes, 'x'));
  EXPECT_TRUE(ClosedUnanswered(oversized));
  close(oversized);
  std::vector<int> crowd;
  for (std::size_t i = 0; i < InstanceChannel::kMostClients; ++i)
    crowd.push_back(Connect(path));
  const int extra = whole("/home/me/one-too-many.txt");
  EXPECT_TRUE(ClosedUnanswered(extra));
  close(extra);
  for (int fd : crowd)
    close(fd);
  EXPECT_TRUE(channel->TakeRequests().empty());
}

// Another user reaching the socket (a mode gone wrong) is not served.
TEST(SingleInstance, AnotherUsersRequestIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to connect as another user";
  TempDir dir;
  chmod(dir.Path().c_str(), 0755);
  const std::string path = InstanceChannelPath(dir.Path().string());
  auto channel = InstanceChannel::Listen(path);
  ASSERT_NE(channel, nullptr);
  chmod(path.c_str(), 0666);
  const std::string sent = testing::RunUnprivileged([&]() -> std::string {
    return SendToRunningInstance(path, {"/tmp/theirs.txt", ""}) ? "served" : "";
  });
  EXPECT_EQ(sent, "");
  EXPECT_TRUE(channel->TakeRequests().empty());
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
  // Found open to others: no place for the lock and the socket.
  unsetenv("XDG_RUNTIME_DIR");
  for (const mode_t open : {0770, 0707}) {
    chmod(folder.c_str(), open);
    std::string why;
    EXPECT_EQ(RuntimeFolder(&why), "") << std::oct << open;
    EXPECT_EQ(why, folder + " is not a folder of the user's own with mode 0700");
  }
  chmod(folder.c_str(), 0700);
  EXPECT_EQ(RuntimeFolder(), folder);
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
