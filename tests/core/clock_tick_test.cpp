#include <gtest/gtest.h>

#include "tests/support/fake_view.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;

TEST(ClockTick, ElapsedTimeLine) {
  FakeView view;
  FixedClock clock;
  Drill drill(view, clock);
  const std::pair<int, const char*> checkpoints[] = {
      {1, "Time  00 : 00 : 01  have been elasped ..."},
      {60, "Time  00 : 01 : 00  have been elasped ..."},
      {3599, "Time  00 : 59 : 59  have been elasped ..."},
      {3600, "Time  01 : 00 : 00  have been elasped ..."},
      {36000, "Time  10 : 00 : 00  have been elasped ..."},
      {360000, "Time  100 : 00 : 00  have been elasped ..."},
  };
  int ticks = 0;
  for (const auto& [at, line] : checkpoints) {
    while (ticks < at) {
      drill.Tick();
      ++ticks;
    }
    EXPECT_EQ(view.timeText, line);
  }
  EXPECT_EQ(drill.TypingSeconds(), 360000);
}

TEST(ClockTick, InputBoxUpkeep) {
  FakeView view;
  FixedClock clock;
  Drill drill(view, clock);
  drill.Tick();
  EXPECT_FALSE(view.inputEnabled);
  drill.StartFile();  // Open enables it even when no file came of it
  EXPECT_TRUE(view.inputEnabled);
  drill.Tick();
  EXPECT_FALSE(view.inputEnabled);
  EXPECT_FALSE(view.inputFocused);

  SentenceFile file = testing::MakeFile({"A"});
  drill.InstallFile(file);  // a file is open in a box still disabled
  EXPECT_FALSE(view.inputEnabled);
  drill.Tick();
  EXPECT_TRUE(view.inputEnabled);
  EXPECT_TRUE(view.inputFocused);
}

}  // namespace
}  // namespace dru
