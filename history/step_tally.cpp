#include "history/step_tally.h"

namespace dru {

void StepTally::Add(std::int64_t rowid, std::int64_t timeMs, std::int64_t day,
                    std::int64_t sentence, CueLevel shown, AnswerResult result) {
  lastRowid_ = std::max(lastRowid_, rowid);
  lastTimeMs_ = std::max(lastTimeMs_, timeMs);
  Sentence& counted = sentences_[sentence];
  if (counted.step >= 0) --atStep_[counted.step];
  counted.step = static_cast<int>(StepAfter(shown, result));
  ++atStep_[counted.step];
  Day& today = days_[day];
  today.atStep = atStep_;
  if (LearnedBy(shown, result) && counted.learnedOn != day) {
    counted.learnedOn = day;
    ++today.learned;
  }
}

}  // namespace dru
