#include "core/review/memory_model.h"

#include <algorithm>

#include "core/review/review_model.h"

namespace dru {

MemoryState Fsrs6Model::First(Grade grade) const {
  return review::First(grade);
}

MemoryState Fsrs6Model::Next(const MemoryState& state, double elapsedDays, Grade grade) const {
  return review::Next(state, elapsedDays, grade);
}

double Fsrs6Model::Retrievability(double stability, double elapsedDays) const {
  return review::Retrievability(stability, elapsedDays);
}

double Fsrs6Model::DueAfterDays(double stability) const {
  return review::Interval(stability);
}

const MemoryModel& TheMemoryModel() {
  static const Fsrs6Model model;
  return model;
}

double ElapsedDays(std::int64_t fromMs, std::int64_t toMs) {
  return static_cast<double>(std::max<std::int64_t>(toMs - fromMs, 0)) / kMillisecondsPerDay;
}

}  // namespace dru
