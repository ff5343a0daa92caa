#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

#include "core/recall/recall_level.h"

namespace dru {

// The learning steps of one file's sentences, day by day, counted from its
// answers in time order: kept between readings, so that the Progress
// window, which reads them after each answer, adds only the new ones.
class StepTally {
 public:
  struct Day {
    std::array<std::int64_t, kLearningSteps> atStep{};  // at the day's end
    std::int64_t learned = 0;                           // sentences learned that day
  };

  StepTally(std::string file) : file_(std::move(file)) {}
  const std::string& File() const noexcept { return file_; }
  // The last answer counted, by rowid and time; a later one with an
  // earlier time (a clock set back) needs counting again from the start.
  std::int64_t LastRowid() const noexcept { return lastRowid_; }
  std::int64_t LastTimeMs() const noexcept { return lastTimeMs_; }

  // One answer of a sentence on local day, in time order.
  void Add(std::int64_t rowid, std::int64_t timeMs, std::int64_t day, std::int64_t sentence,
           CueLevel shown, AnswerResult result);
  // Each day with answers, by local days since 1970; the last one as it
  // stands so far.
  const std::map<std::int64_t, Day>& Days() const noexcept { return days_; }

 private:
  struct Sentence {
    int step = -1;  // none before its first answer
    std::int64_t learnedOn = -1;
  };
  std::string file_;
  std::int64_t lastRowid_ = 0;
  std::int64_t lastTimeMs_ = INT64_MIN;
  std::unordered_map<std::int64_t, Sentence> sentences_;
  std::array<std::int64_t, kLearningSteps> atStep_{};
  std::map<std::int64_t, Day> days_;
};

}  // namespace dru
