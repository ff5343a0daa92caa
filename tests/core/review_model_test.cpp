// The memory model against values worked out from its published formulas
// and default parameters, and grades from typing speeds.
#include <gtest/gtest.h>

#include "core/drill/clock.h"
#include "core/review/answer_grade.h"
#include "core/review/memory_model.h"
#include "core/review/review_model.h"

namespace dru {
namespace {

constexpr double kTolerance = 1e-6;

TEST(ReviewModel, FormulasGiveTheWorkedValues) {
  using namespace review;
  struct First {
    Grade grade;
    double stability;
    double difficulty;
  };
  for (const First& first :
       {First{Grade::Again, 0.212, 6.4133}, First{Grade::Hard, 1.2931, 5.112170705601055},
        First{Grade::Good, 2.3065, 2.118103970459015},
        First{Grade::Easy, 8.2956, 1.0}}) {  // 7.4133 - e^2.5002, clamped
    const MemoryState state = review::First(first.grade);
    EXPECT_NEAR(state.stability, first.stability, kTolerance);
    EXPECT_NEAR(state.difficulty, first.difficulty, kTolerance);
  }

  // The forgetting curve passes 90% after stability days, whatever it is;
  // and the interval for 90% is the stability.
  for (const double stability : {0.212, 2.3065, 100.0}) {
    EXPECT_NEAR(Retrievability(stability, stability), 0.9, kTolerance);
    EXPECT_NEAR(Interval(stability), stability, kTolerance);
  }
  EXPECT_NEAR(Retrievability(2.3065, 0), 1.0, kTolerance);
  EXPECT_NEAR(Retrievability(2.3065, 10), 0.7743669167614039, kTolerance);
  EXPECT_NEAR(Interval(2.3065, 0.8), 7.64826124694176, kTolerance);

  const MemoryState good = review::First(Grade::Good);
  EXPECT_NEAR(StabilityAfterSuccess(good, 0.9, Grade::Good), 11.909122706387505, kTolerance);
  EXPECT_NEAR(StabilityAfterSuccess(good, 0.9, Grade::Hard), 8.081517295621445, kTolerance);
  EXPECT_NEAR(StabilityAfterSuccess(good, 0.9, Grade::Easy), 20.29125206679316, kTolerance);
  // A lapse: the long-term formula, unless the same-day Again is lower.
  EXPECT_NEAR(StabilityAfterLapse({10, 5}, 0.9), 1.3919869729546932, kTolerance);
  EXPECT_NEAR(StabilityAfterLapse({0.5, 5}, Retrievability(0.5, 3)), 0.2310163684337347,
              kTolerance);
  // Same day: Good never shortens the stability; Again does; Easy grows it.
  EXPECT_NEAR(ShortTermStability(2.3065, Grade::Good), 2.3065, kTolerance);
  EXPECT_NEAR(ShortTermStability(2.3065, Grade::Hard), 2.3065, kTolerance);  // never lowered
  EXPECT_NEAR(ShortTermStability(2.3065, Grade::Again), 0.7750839828558983, kTolerance);
  EXPECT_NEAR(ShortTermStability(2.3065, Grade::Easy), 3.9460540679694778, kTolerance);
  // Difficulty: damped steps, drawn back towards that of a first Easy.
  EXPECT_NEAR(NextDifficulty(5, Grade::Again), 8.341762369296838, kTolerance);
  EXPECT_NEAR(NextDifficulty(5, Grade::Good), 4.9902283692968386, kTolerance);
  EXPECT_NEAR(NextDifficulty(5, Grade::Easy), 3.3144613692968385, kTolerance);
  EXPECT_NEAR(NextDifficulty(10, Grade::Again), 10 - 0.001 * (10 + 4.771641), 1e-5);

  // A replay: Good, Good three days later, Again a week after, and Good
  // an hour after that.
  MemoryState state = review::First(Grade::Good);
  state = Next(state, 3, Grade::Good);
  EXPECT_NEAR(state.stability, 13.826903694354572, kTolerance);
  EXPECT_NEAR(state.difficulty, 2.1112142357853942, kTolerance);
  state = Next(state, 7, Grade::Again);
  EXPECT_NEAR(state.stability, 1.6145979400290669, kTolerance);
  EXPECT_NEAR(state.difficulty, 7.392238132342694, kTolerance);
  state = Next(state, 1.0 / 24, Grade::Good);
  EXPECT_NEAR(state.stability, 1.6438451729666652, kTolerance);
  EXPECT_NEAR(state.difficulty, 7.38007426350719, kTolerance);

  // A review on the next local morning, at the same hour as the last or
  // earlier, is no review within the day; one the same evening is.
  const std::int64_t morning = dru::LocalMidnight(1'796'119'200'000) + 9 * 3'600'000;
  const std::int64_t hour = 3'600'000;
  EXPECT_EQ(dru::ReviewDays(morning, morning + 24 * hour - 60'000), 1.0);
  EXPECT_EQ(dru::ReviewDays(morning, morning + 23 * hour), 1.0);
  EXPECT_NEAR(dru::ReviewDays(morning, morning + 12 * hour), 0.5, 1e-9);
  EXPECT_NEAR(dru::ReviewDays(morning, morning + 50 * hour), 50.0 / 24, 1e-9);
  EXPECT_EQ(dru::ReviewDays(morning, morning - hour), 0.0);  // a clock set back
}

TEST(SpeedBook, GradesFollowTheMedianOfTheSentenceLength) {
  SpeedBook book;
  EXPECT_EQ(book.GradeOf(true, 10, 1), Grade::Good);  // nothing to compare with
  EXPECT_EQ(book.GradeOf(false, 10, 900), Grade::Again);
  for (int i = 0; i < 9; ++i)
    book.Add(12, 600);                                  // short sentences
  EXPECT_EQ(book.GradeOf(true, 10, 100), Grade::Good);  // nine are too few
  book.Add(20, 600);
  struct Case {
    std::int64_t characters;
    std::int64_t speed;
    Grade grade;
  };
  for (const Case& c :
       {Case{10, 479, Grade::Hard}, Case{10, 480, Grade::Good}, Case{10, 750, Grade::Good},
        Case{10, 751, Grade::Easy}, Case{10, 0, Grade::Hard},
        // Longer sentences have no speeds yet: the median of all.
        Case{100, 479, Grade::Hard}, Case{100, 751, Grade::Easy}}) {
    EXPECT_EQ(book.GradeOf(true, c.characters, c.speed), c.grade)
        << c.characters << " characters at " << c.speed;
  }
  // Ten long sentences typed slowly make a median of their own.
  for (int i = 0; i < 10; ++i)
    book.Add(100, 200 + i);  // 200..209: median 204.5
  EXPECT_EQ(book.Median(SpeedBook::Band(100)), 204.5);
  EXPECT_EQ(book.GradeOf(true, 100, 250), Grade::Good);
  EXPECT_EQ(book.GradeOf(true, 100, 163), Grade::Hard);
  EXPECT_EQ(book.MedianOfLevel(CueLevel::WholeSentence), (209.0 + 600.0) / 2);  // 10th and 11th
  // Recall: each level has speeds of its own, a hint makes Hard at most, and
  // the whole sentence while Recall is on Good at most.
  const struct {
    AnswerCue cue;
    std::int64_t speed;
    Grade grade;
  } recalled[] = {
      {{CueLevel::FirstLetters, true, 0}, 100, Grade::Good},  // no speeds at this level yet
      {{CueLevel::FirstLetters, true, 1}, 100, Grade::Hard},
      {{CueLevel::WholeSentence, true, 0}, 2000, Grade::Good},
      {{CueLevel::WholeSentence, false, 0}, 2000, Grade::Easy},
      {{CueLevel::EveryOtherWord, true, 0}, 20, Grade::Hard},  // after ten at 100 below
  };
  for (int i = 0; i < 10; ++i)
    book.Add(10, 100, CueLevel::EveryOtherWord);
  for (const auto& c : recalled) {
    EXPECT_EQ(book.GradeOf(true, 10, c.speed, c.cue), c.grade)
        << static_cast<int>(c.cue.level) << " " << c.cue.hints << " at " << c.speed;
  }
  EXPECT_EQ(book.GradeOf(false, 10, 0, {CueLevel::PromptOnly, true, 0}), Grade::Again);
  EXPECT_EQ(SpeedBook::Band(20), 0);
  EXPECT_EQ(SpeedBook::Band(21), 1);
  EXPECT_EQ(SpeedBook::Band(160), 3);
  EXPECT_EQ(SpeedBook::Band(161), 4);
  EXPECT_EQ(SpeedBook::Band(100000), 4);
}

}  // namespace
}  // namespace dru
