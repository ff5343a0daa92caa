#include "core/review/answer_review.h"

#include <algorithm>

#include "core/review/typing_speed.h"

namespace dru {

AnswerOutcome ReviewAnswer(const MemoryModel& model, const SpeedBook& speeds,
                           const SentenceMemory& before, const AnswerFacts& answer) {
  AnswerOutcome outcome;
  outcome.speed = answer.correct ? TypingSpeed(answer.keys, answer.typingMs) : 0;
  // A right answer without a time to measure its speed by is Good, or Hard
  // with a hint.
  if (answer.correct && answer.typingMs <= 0) {
    outcome.grade = answer.cue.hints > 0 ? Grade::Hard : Grade::Good;
  } else if (!answer.correct && answer.slip) {
    // The model measures memory, not typing: a slip was remembered.
    outcome.grade = Grade::Hard;
  } else {
    outcome.grade = speeds.GradeOf(answer.correct, answer.keys, outcome.speed, answer.cue);
  }
  outcome.after.state =
      before.answered
          ? model.Next(before.state, ReviewDays(before.lastTimeMs, answer.timeMs), outcome.grade)
          : model.First(outcome.grade);
  outcome.after.lastTimeMs =
      before.answered ? std::max(before.lastTimeMs, answer.timeMs) : answer.timeMs;
  outcome.after.answered = true;
  if (outcome.speed > 0) outcome.bookSpeed = outcome.speed;
  return outcome;
}

}  // namespace dru
