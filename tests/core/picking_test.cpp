#include <gtest/gtest.h>

#include "core/drill/keys.h"
#include "core/text/sentence_key.h"
#include "tests/support/fake_view.h"

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

TEST_F(Picking, ReviewOrderRetriesThenDueThenNewThenAhead) {
  constexpr std::int64_t kDay = 86'400'000;
  clock.milliseconds = 100 * kDay;
  OpenPool({"a", "b", "c", "d", "e", "*m"});
  // a is five stabilities overdue, b one and a half, c a tenth; d and e
  // are new, and m is marked.
  drill.SetReviews({{SentenceKey("a"), {90 * kDay, 2}},
                    {SentenceKey("b"), {97 * kDay, 2}},
                    {SentenceKey("c"), {99 * kDay, 10}},
                    {SentenceKey("m"), {0, 1}}});
  // The history keeps each answer before the next sentence is picked.
  drill.SetAnswerKeeper([&](const DrillAnswer& answer) -> std::optional<KeyedReview> {
    return KeyedReview{SentenceKey(answer.sentence),
                       {clock.milliseconds, answer.correct ? 5.0 : 0.2}};
  });
  clock.now = TimeOfDay{12, 0, 0, 0};
  drill.ShowNextSentence();
  EXPECT_EQ(view.target, "b");  // off: at random, as ever
  drill.SetOrder(SentenceOrder::ReviewDue);
  EXPECT_EQ(view.reviewText, "2 due \xC2\xB7 2 new");
  drill.ShowNextSentence();
  EXPECT_EQ(view.target, "a");  // the most overdue first
  auto answer = [&](bool right) {
    view.Paste(drill, right ? view.target : "wrong");
    drill.OnKeyPress(key::kEnter);
    return view.target;
  };
  EXPECT_EQ(answer(true), "b");
  EXPECT_NE(view.spoken.find("1 due, 2 new. Next: b"), std::string::npos) << view.spoken;
  // b wrong comes back after three others: the two new ones, then c,
  // the least likely recalled of the rest.
  const std::string firstNew = answer(false);
  EXPECT_TRUE(firstNew == "d" || firstNew == "e") << firstNew;
  EXPECT_EQ(view.reviewText, "1 due \xC2\xB7 2 new");  // b, until it is answered right
  EXPECT_EQ(answer(true), firstNew == "d" ? "e" : "d");
  EXPECT_EQ(answer(true), "c");
  EXPECT_EQ(answer(true), "b");
  EXPECT_EQ(view.reviewText, "1 due \xC2\xB7 0 new");
  const std::string ahead = answer(true);  // b is right now: no retry
  EXPECT_EQ(view.reviewText, "0 due \xC2\xB7 0 new");
  EXPECT_NE(ahead, "b");
  EXPECT_NE(ahead, "m");

  // Answered wrong, a sentence is due again at once by the memory model
  // (0.2 days, and a day between answers), and still waits its turn.
  OpenPool({"p", "q", "r", "s", "t"});
  drill.SetReviews(SentenceReviews{});
  drill.ShowSentence("p");
  auto nextDay = [&](bool right) {
    clock.milliseconds += kDay;
    return answer(right);
  };
  for (const bool right : {false, true, true})
    EXPECT_NE(nextDay(right), "p");
  EXPECT_EQ(nextDay(true), "p");

  // In a pool of two or three, a wrong answer comes back after the others.
  OpenPool({"x", "y"});
  drill.SetReviews(SentenceReviews{});
  drill.ShowSentence("x");
  EXPECT_EQ(answer(false), "y");
  EXPECT_EQ(answer(true), "x");
  OpenPool({"x", "y", "z"});
  drill.SetReviews(SentenceReviews{});
  drill.ShowSentence("x");
  EXPECT_NE(answer(false), "x");
  EXPECT_NE(answer(true), "x");
  EXPECT_EQ(answer(true), "x");

  // Without a history the option goes off and says why.
  drill.SetReviewUnavailable("History is off: disk full.");
  EXPECT_EQ(drill.Options().order, SentenceOrder::AtRandom);
  EXPECT_EQ(view.reviewUnavailable, "History is off: disk full.");
  EXPECT_EQ(view.reviewText, "");
  drill.SetOrder(SentenceOrder::ReviewDue);
  EXPECT_EQ(drill.Options().order, SentenceOrder::AtRandom);
}

TEST_F(Picking, PreviousRecordRestoredOnceWhenAllowed) {
  OpenPool({"A", "B"});
  auto complete = [&](const char* target) {
    drill.ShowSentence(target);
    view.Paste(drill, target);
    drill.OnKeyPress(key::kEnter);
  };
  complete("A");      // A is the previous sentence,
  drill.StartFile();  // but Open blocks it
  drill.ShowSentence("B");
  view.Paste(drill, "typed");
  drill.RestorePrevious();
  EXPECT_EQ(view.target, "B");

  complete("A");
  drill.ShowSentence("B");
  view.Paste(drill, "typed");
  view.cues.clear();
  drill.RestorePrevious();
  EXPECT_EQ(view.target, "A");
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(view.cues, (std::vector<Cue>{Cue::Restore}));
  view.Paste(drill, "x");
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
