#include <gtest/gtest.h>

#include "fake_view.h"
#include "keys.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;

class Picking : public ::testing::Test {
 protected:
  void OpenPool(std::initializer_list<const char*> records) {
    SentenceFile file = testing::MakeFile(records);
    drill.InstallFile(file);
  }

  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
};

TEST_F(Picking, ClockSeededDrawsForTenRecords) {
  OpenPool({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"});
  clock.SetSeed(0);  // advances to 1
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "r0");
  clock.SetSeed(100);  // advances to 592679413
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "r1");
  clock.now = TimeOfDay{12, 0, 0, 0};  // 43200000 advances to 1620567553
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "r3");
  clock.now = TimeOfDay{23, 59, 59, 999};  // the largest seed of a day
  const std::uint32_t seed = 86399999u * 134775813u + 1u;
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "r" + std::to_string((10ull * seed) >> 32));
}

TEST_F(Picking, NoFileOrEmptyPoolGivesEmptyString) {
  const SentenceFile only = testing::MakeFile({"only"});
  EXPECT_EQ(drill.GetRandomStr(only.unmarkedList), "");  // no file open
  OpenPool({"only"});
  for (unsigned seed : {0u, 999u, 86399999u}) {
    clock.SetSeed(seed);
    EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "only");
    drill.ShowNextSentence();
    EXPECT_EQ(view.target, "only");
  }
  OpenPool({"*only"});
  EXPECT_EQ(drill.GetRandomStr(drill.UnmarkedList()), "");
  drill.ShowNextSentence();
  EXPECT_EQ(view.target, "");
}

TEST_F(Picking, PreviousRecordRestoredOnceWhenAllowed) {
  OpenPool({"A", "B"});
  auto complete = [&](const char* target) {
    drill.ShowSentence(target);
    view.input = target;
    drill.OnKeyPress(key::kEnter);
  };
  complete("A");      // A is the previous sentence,
  drill.StartFile();  // but Open blocks it
  drill.ShowSentence("B");
  view.input = "typed";
  drill.RestorePrevious();
  EXPECT_EQ(view.target, "B");

  complete("A");
  drill.ShowSentence("B");
  view.input = "typed";
  view.cues.clear();
  drill.RestorePrevious();
  EXPECT_EQ(view.target, "A");
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(view.cues, (std::vector<Cue>{Cue::Restore}));
  view.input = "x";
  drill.RestorePrevious();  // the target already is the previous one
  EXPECT_EQ(view.input, "x");
  EXPECT_EQ(view.cues.size(), 1u);

  drill.ShowSentence("a");  // letter case counts here
  drill.SetOption(Option::SoundEffect, false);
  drill.RestorePrevious();
  EXPECT_EQ(view.target, "A");
  EXPECT_EQ(view.cues.size(), 1u);
}

}  // namespace
}  // namespace dru
