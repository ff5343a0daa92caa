#pragma once

#include <cstdint>

#include "core/review/memory_state.h"

namespace dru {

// How a sentence is remembered as its answers come. FSRS-6 is the one dru
// uses; another (parameters fitted to the learner's own history, say) is
// one more class of this kind.
class MemoryModel {
 public:
  virtual ~MemoryModel() = default;
  // The state after a sentence's first answer.
  virtual MemoryState First(Grade grade) const = 0;
  // The state after an answer elapsedDays after the one before.
  virtual MemoryState Next(const MemoryState& state, double elapsedDays, Grade grade) const = 0;
  // The probability of recalling it elapsedDays after its last answer
  // (its retrievability, as the model's authors call it).
  virtual double Retrievability(double stability, double elapsedDays) const = 0;
  // Days after an answer until it is due: recall falls to 90%.
  virtual double DueAfterDays(double stability) const = 0;
};

// The free spaced repetition scheduler, version 6, with its published
// default parameters (the formulas in review_model.h).
class Fsrs6Model final : public MemoryModel {
 public:
  MemoryState First(Grade grade) const override;
  MemoryState Next(const MemoryState& state, double elapsedDays, Grade grade) const override;
  double Retrievability(double stability, double elapsedDays) const override;
  double DueAfterDays(double stability) const override;
};

// The model the history and the drill use.
const MemoryModel& TheMemoryModel();

// Days from one moment to a later one, in UTC milliseconds; a clock set
// back counts as no time passed.
double ElapsedDays(std::int64_t fromMs, std::int64_t toMs);
// Local days since 1970 of a moment, at the distance from UTC of the first
// use: one conversion, not one a moment, when a whole history is read.
std::int64_t LocalDay(std::int64_t utcMs);
// The same between two reviews: a review on a later local date than the
// last comes at least a day after it, so that a learner who sits at the
// same hour each morning is not reviewing within the day.
double ReviewDays(std::int64_t fromMs, std::int64_t toMs);

}  // namespace dru
