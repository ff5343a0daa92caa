#include "core/review/memory_model.h"

#include <ctime>

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

std::int64_t LocalDay(std::int64_t utcMs) {
  static const std::int64_t offsetMs = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
  }();
  const std::int64_t ms = utcMs + offsetMs;
  const auto day = static_cast<std::int64_t>(kMillisecondsPerDay);
  return ms >= 0 ? ms / day : (ms - day + 1) / day;
}

double ReviewDays(std::int64_t fromMs, std::int64_t toMs) {
  const double days = ElapsedDays(fromMs, toMs);
  return LocalDay(toMs) > LocalDay(fromMs) ? std::max(days, 1.0) : days;
}

}  // namespace dru
