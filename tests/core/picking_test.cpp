#include <gtest/gtest.h>

#include "fake_view.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;

class Picking : public ::testing::Test {
 protected:
  void OpenPool(std::initializer_list<const char*> records) {
    for (const char* r : records) {
      state.FileLines.Add(r);
      state.UnmarkedList.Add(r);
    }
    state.NoFileOpen = false;
  }

  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
  DrillState& state = drill.State();
};

TEST_F(Picking, ClockSeededDrawsForTenRecords) {
  OpenPool({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"});
  clock.SetSeed(0);  // advances to 1
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "r0");
  clock.SetSeed(100);  // advances to 592679413
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "r1");
  clock.now = TimeOfDay{12, 0, 0, 0};  // 43200000 advances to 1620567553
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "r3");
  clock.now = TimeOfDay{23, 59, 59, 999};  // the largest seed of a day
  const std::uint32_t seed = 86399999u * 134775813u + 1u;
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "r" + std::to_string((10ull * seed) >> 32));
}

TEST_F(Picking, NoFileOrEmptyPoolGivesEmptyString) {
  state.UnmarkedList.Add("only");
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "");  // no file open
  state.NoFileOpen = false;
  for (unsigned seed : {0u, 999u, 86399999u}) {
    clock.SetSeed(seed);
    EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "only");
  }
  state.UnmarkedList.Clear();
  EXPECT_EQ(drill.GetRandomStr(state.UnmarkedList), "");
}

TEST_F(Picking, PreviousRecordRestoredOnceWhenAllowed) {
  OpenPool({"A", "B"});
  view.target = "B";
  view.input = "typed";
  state.PreviousStr = "A";
  drill.GetPreviousStr();  // still blocked
  EXPECT_EQ(view.target, "B");

  state.NoPrevious = false;
  drill.GetPreviousStr();
  EXPECT_EQ(view.target, "A");
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(view.cues, (std::vector<Cue>{Cue::Restore}));
  view.input = "x";
  drill.GetPreviousStr();  // the target already is the previous one
  EXPECT_EQ(view.input, "x");
  EXPECT_EQ(view.cues.size(), 1u);

  view.target = "a";  // letter case counts here
  state.SoundEffect = false;
  drill.GetPreviousStr();
  EXPECT_EQ(view.target, "A");
  EXPECT_EQ(view.cues.size(), 1u);
}

}  // namespace
}  // namespace dru
