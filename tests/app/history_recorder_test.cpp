// Answers go into a real history; a history that fails leaves the drill be.
#include "app/history_recorder.h"
#include "app/session.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

#include "app/lifecycle.h"
#include "core/drill/keys.h"
#include "history/history_backup.h"
#include "tests/support/fake_view.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

struct Program {
  explicit Program(const std::string& historyPath) : session(view, view, clock, historyPath) {}

  void Open(const std::string& path) {
    view.openChoices.push_back(path);
    commands.Open();
  }
  // Types text from its first key at start to Enter at end.
  void Answer(const std::string& text, std::int64_t start, std::int64_t end) {
    clock.milliseconds = start;
    for (char c : text) {
      drill.OnKeyPress(static_cast<unsigned char>(c));
      view.input += c;
      drill.SetTyped(view.input);
    }
    clock.milliseconds = end;
    drill.OnKeyPress(key::kEnter);
  }

  FakeView view;
  FixedClock clock;
  Session session;
  Drill& drill = session.GetDrill();
  Commands& commands = session.GetCommands();
  HistoryRecorder& history = session.History();
};

TEST(HistoryRecorder, EachEnterIsKeptWithItsExactTimeAndMistakes) {
  TempDir dir;
  const std::string file = dir.File("phrases.txt");
  WriteBytes(file, "Hello world\r\n");
  Program program(dir.File("data/dru/history.sqlite3"));
  program.Open(file);
  program.Answer("Hello world", 1000, 4500);
  program.drill.OnKeyPress(key::kEnter);  // on an empty box: no answer
  program.Answer("Helo wrld", 10000, 12000);
  program.history.EndSession();

  const auto sentences = HistoryStore::Open(dir.File("data/dru/history.sqlite3"))->Sentences(file);
  ASSERT_EQ(sentences.size(), 1u);
  EXPECT_EQ(sentences[0].sentence, "Hello world");
  EXPECT_EQ(sentences[0].typed, 2);
  EXPECT_EQ(sentences[0].correct, 1);
  EXPECT_EQ(sentences[0].lastTimeMs, 12000);
  EXPECT_EQ(sentences[0].bestSpeed, 189);        // 11 keys in 3.5 s, not the 660 shown
  EXPECT_EQ(program.view.status, "2 mistakes");  // the drill showed what it always shows

  // Review: Good, then Again the same day leaves it due within a day.
  program.commands.ToggleReviewDue();
  EXPECT_TRUE((program.drill.Options().order == SentenceOrder::ReviewDue));
  EXPECT_EQ(program.view.reviewText, "0 due \xC2\xB7 0 new");
  program.clock.milliseconds = 12000 + 86'400'000;
  program.drill.Tick();
  EXPECT_EQ(program.view.reviewText, "1 due \xC2\xB7 0 new");
  program.Answer("Hello world", program.clock.milliseconds, program.clock.milliseconds + 3000);
  EXPECT_EQ(program.view.reviewText, "0 due \xC2\xB7 0 new");  // kept before the counting
  // Wrong in this run: due, and waiting for its retry, until answered right.
  program.Answer("Hallo world", program.clock.milliseconds, program.clock.milliseconds + 3000);
  EXPECT_EQ(program.view.reviewText, "1 due \xC2\xB7 0 new");
  EXPECT_TRUE(program.history.Report().rows.at(0).retry);
}

TEST(HistoryRecorder, AHistoryThatCannotBeWrittenIsTurnedOffOnce) {
  const std::string outcome = testing::RunUnprivileged([]() -> std::string {
    TempDir dir;
    const std::string file = dir.File("phrases.txt");
    WriteBytes(file, "Hello world\r\nHello world\r\n");
    TempDir home;
    chmod(home.Path().c_str(), 0500);
    Program program(home.File("dru/history.sqlite3"));
    program.Open(file);
    program.Answer("Hello world", 0, 1000);
    if (program.view.status.rfind("History is off: cannot make ", 0) != 0) {
      return "first answer: " + program.view.status;
    }
    program.Answer("Hello world", 0, 1000);
    if (program.view.status != "correct") return "second answer: " + program.view.status;
    if (program.view.currentText != "660") return "speed " + program.view.currentText;
    program.commands.ToggleReviewDue();
    if (program.drill.Options().order == SentenceOrder::ReviewDue)
      return "review on without a history";
    if (program.view.reviewUnavailable.rfind("History is off: cannot make ", 0) != 0) {
      return "review disabled for: " + program.view.reviewUnavailable;
    }
    // Chosen before, in the settings: off for now, and still chosen there.
    WriteBytes(dir.File("dru.ini"), "[Files]\nLastOpenFile=phrases.txt\n[Options]\nReviewDue=1\n");
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    Lifecycle lifecycle(program.drill, program.commands);
    lifecycle.StartUp();
    lifecycle.WriteIniFile();
    fs::current_path(previous);
    if (program.drill.Options().order == SentenceOrder::ReviewDue)
      return "review on at start-up without a history";
    // Kept in the one key of the order, which replaces the earlier flag.
    const std::string ini = ReadBytes(dir.File("dru.ini"));
    if (ini.find("Order=1") == std::string::npos || ini.find("ReviewDue") != std::string::npos) {
      return "the choice was lost: " + ini;
    }
    return "";
  });
  EXPECT_EQ(outcome, "");
}

// The Progress window reads the history in the middle of opening a file:
// a table gone from under the store must not stop the opening half-way.
TEST(HistoryRecorder, AHistoryThatFailsToBeReadLeavesOpeningWhole) {
  TempDir dir;
  const std::string first = dir.File("first.txt");
  const std::string second = dir.File("second.txt");
  WriteBytes(first, "Hello world\r\n");
  WriteBytes(second, "Second file\r\nSecond line\r\n");
  const std::string historyPath = dir.File("history.sqlite3");
  Program program(historyPath);
  program.Open(first);
  program.Answer("Hello world", 0, 1000);
  ProgressReport shown;
  program.commands.onFileRead = [&] { shown = program.history.Report(); };
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(historyPath.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "DROP TABLE days", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);

  program.Open(second);
  EXPECT_EQ(program.view.target.rfind("Second ", 0), 0u);
  EXPECT_EQ(program.view.status, "History is off: no such table: days.");
  EXPECT_EQ(shown.unavailable, program.view.status);
  const std::string target = program.view.target;
  program.commands.MarkReady();
  const RecordList& lines = program.drill.FileLines();
  EXPECT_TRUE(lines.Get(0) == "*" + target || lines.Get(1) == "*" + target);
  program.history.Forget();
  EXPECT_EQ(program.history.Report().unavailable, "History is off: no such table: days.");
}

// Another program holds the history for a while, then the store is
// damaged under the running dru: no answer is lost either way.
TEST(HistoryRecorder, ALockOrADamagedStoreLosesNoAnswer) {
  TempDir dir;
  const std::string file = dir.File("phrases.txt");
  WriteBytes(file, "Hello world\r\n");
  const std::string historyPath = dir.File("history.sqlite3");
  auto answers = [&](const std::string& path) {
    const auto sentences = HistoryStore::Open(path)->Sentences(file);
    return sentences.empty() ? 0 : sentences[0].typed;
  };
  {
    Program program(historyPath);
    program.Open(file);
    program.Answer("Hello world", 0, 1000);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(historyPath.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    program.Answer("Hello world", 2000, 3000);  // waits in memory
    EXPECT_EQ(program.view.status, "correct");
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    program.Answer("Hello world", 4000, 5000);  // both go in
    EXPECT_EQ(answers(historyPath), 3);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    program.Answer("Hello world", 6000, 7000);
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    program.session.Finish();  // the close writes what waits, then backs up
  }
  EXPECT_EQ(answers(historyPath), 4);
  EXPECT_EQ(HistoryBackups(historyPath).size(), 1u);

  // A run without answers makes no backup.
  fs::remove(HistoryBackups(historyPath).at(0));
  {
    Program program(historyPath);
    program.Open(file);
    program.session.Finish();
  }
  EXPECT_TRUE(HistoryBackups(historyPath).empty());

  // Every page but the first overwritten while dru runs: the store is
  // moved aside, whole with its journal, and the answer goes into a new one.
  Program program(historyPath);
  program.Open(file);
  program.Answer("Hello world", 8000, 9000);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(historyPath.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(other);
  const std::string bytes = ReadBytes(historyPath);
  WriteBytes(historyPath, bytes.substr(0, 4096) + std::string(bytes.size() - 4096, '\x5a'));
  program.Answer("Hello world", 10000, 11000);
  EXPECT_EQ(program.view.status.rfind(
                "The history was damaged; it was moved aside as " + historyPath + ".corrupt-", 0),
            0u)
      << program.view.status;
  program.history.EndSession();
  EXPECT_EQ(answers(historyPath), 1);
}

}  // namespace
}  // namespace dru
