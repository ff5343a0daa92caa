// Answers go into a real history; a history that fails leaves the drill be.
#include "history_recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_view.h"
#include "keys.h"
#include "lifecycle.h"
#include "temp_dir.h"
#include "unprivileged.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

struct Program {
  explicit Program(const std::string& historyPath)
      : history(drill, commands, view, clock, historyPath) {
    commands.SetReviewSource(&history);
  }

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
    }
    clock.milliseconds = end;
    drill.OnKeyPress(key::kEnter);
  }

  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  Commands commands{drill, view};
  HistoryRecorder history;
};

TEST(HistoryRecorder, EachEnterIsKeptWithItsExactTimeAndMistakes) {
  TempDir dir;
  const std::string file = dir.File("phrases.txt");
  WriteBytes(file, "Hello world\r\n");
  Program program(dir.File("data/dru/history.sqlite3"));
  program.Open(file);
  program.Answer("Hello world", 1000, 4500);
  program.Answer("Helo world", 10000, 12000);
  program.history.EndSession();

  const auto sentences = HistoryStore::Open(dir.File("data/dru/history.sqlite3"))->Sentences(file);
  ASSERT_EQ(sentences.size(), 1u);
  EXPECT_EQ(sentences[0].sentence, "Hello world");
  EXPECT_EQ(sentences[0].typed, 2);
  EXPECT_EQ(sentences[0].correct, 1);
  EXPECT_EQ(sentences[0].lastTimeMs, 12000);
  EXPECT_EQ(sentences[0].bestSpeed, 189);        // 11 keys in 3.5 s, not the 660 shown
  EXPECT_EQ(program.view.status, "1 mistakes");  // the drill showed what it always shows

  // Review: Good, then Again the same day leaves it due within a day.
  program.commands.ToggleReviewDue();
  EXPECT_TRUE(program.drill.Options().reviewDue);
  EXPECT_EQ(program.view.reviewText, "0 due \xC2\xB7 0 new");
  program.clock.milliseconds = 12000 + 86'400'000;
  program.drill.Tick();
  EXPECT_EQ(program.view.reviewText, "1 due \xC2\xB7 0 new");
  program.Answer("Hello world", program.clock.milliseconds, program.clock.milliseconds + 3000);
  EXPECT_EQ(program.view.reviewText, "0 due \xC2\xB7 0 new");  // kept before the counting
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
    if (program.drill.Options().reviewDue) return "review on without a history";
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
    if (program.drill.Options().reviewDue) return "review on at start-up without a history";
    if (ReadBytes(dir.File("dru.ini")).find("ReviewDue=1") == std::string::npos) {
      return "the choice was lost: " + ReadBytes(dir.File("dru.ini"));
    }
    return "";
  });
  EXPECT_EQ(outcome, "");
}

}  // namespace
}  // namespace dru
