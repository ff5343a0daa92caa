// Grades from speeds: the median of counted speeds per length band.
#include "core/review/answer_grade.h"

#include <cmath>

namespace dru {

int SpeedBook::Band(std::int64_t characters) noexcept {
  int band = 0;
  for (std::int64_t limit = 20; band < kBands - 1 && characters > limit; limit *= 2)
    ++band;
  return band;
}

Grade SpeedBook::GradeOf(bool correct, std::int64_t characters, std::int64_t keysPerMinute) const {
  const auto speed = static_cast<double>(keysPerMinute);
  if (!correct) return Grade::Again;
  std::optional<double> median = Median(Band(characters));
  if (!median) median = Median(-1);
  if (!median) return Grade::Good;
  if (speed < 0.8 * *median) return Grade::Hard;
  if (speed > 1.25 * *median) return Grade::Easy;
  return Grade::Good;
}

void SpeedBook::Add(std::int64_t characters, std::int64_t speed) {
  Add(Band(characters), speed, 1);
}

void SpeedBook::Add(int band, std::int64_t speed, std::int64_t answers) {
  if (band < 0 || band >= kBands || answers <= 0) return;
  bands_[band][speed] += answers;
  counts_[band] += answers;
}

std::optional<double> SpeedBook::Median(int band) const {
  // The speeds of the bands asked for, merged in order with their counts.
  std::map<std::int64_t, std::int64_t> merged;
  const std::map<std::int64_t, std::int64_t>* speeds = nullptr;
  std::int64_t count = 0;
  if (band >= 0) {
    speeds = &bands_.at(band);
    count = counts_.at(band);
  } else {
    for (int i = 0; i < kBands; ++i) {
      for (const auto& [speed, answers] : bands_[i])
        merged[speed] += answers;
      count += counts_[i];
    }
    speeds = &merged;
  }
  if (count < kEnoughAnswers) return std::nullopt;
  // The middle one, or the mean of the middle two.
  const std::int64_t low = (count - 1) / 2;
  const std::int64_t high = count / 2;
  std::int64_t seen = 0;
  double lowSpeed = 0;
  for (const auto& [speed, answers] : *speeds) {
    if (seen <= low && low < seen + answers) lowSpeed = static_cast<double>(speed);
    if (seen <= high && high < seen + answers) return (lowSpeed + static_cast<double>(speed)) / 2;
    seen += answers;
  }
  return std::nullopt;
}

}  // namespace dru
