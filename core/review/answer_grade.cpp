// Grades from speeds: the median of counted speeds per length band.
#include "core/review/answer_grade.h"

#include <algorithm>
#include <cmath>

namespace dru {

int SpeedBook::Band(std::int64_t characters) noexcept {
  int band = 0;
  for (std::int64_t limit = 20; band < kBands - 1 && characters > limit; limit *= 2)
    ++band;
  return band;
}

int SpeedBook::Slot(CueLevel level, std::int64_t characters) noexcept {
  return static_cast<int>(level) * kBands + Band(characters);
}

Grade SpeedBook::GradeOf(bool correct, std::int64_t characters, std::int64_t keysPerMinute,
                         const AnswerCue& cue) const {
  if (!correct) return Grade::Again;
  const auto speed = static_cast<double>(keysPerMinute);
  std::optional<double> median = Median(Slot(cue.level, characters));
  if (!median) median = MedianOfLevel(cue.level);
  Grade grade = Grade::Good;
  if (median && speed < 0.8 * *median) grade = Grade::Hard;
  if (median && speed > 1.25 * *median) grade = Grade::Easy;
  if (cue.hints > 0) grade = std::min(grade, Grade::Hard);
  if (cue.recall && cue.level == CueLevel::WholeSentence) grade = std::min(grade, Grade::Good);
  return grade;
}

void SpeedBook::Add(std::int64_t characters, std::int64_t speed, CueLevel level) {
  Add(Slot(level, characters), speed, 1);
}

void SpeedBook::Add(int slot, std::int64_t speed, std::int64_t answers) {
  if (slot < 0 || slot >= kSlots || answers <= 0) return;
  slots_[slot][speed] += answers;
  counts_[slot] += answers;
}

namespace {

// The middle one of count speeds, or the mean of the middle two.
std::optional<double> MiddleOf(const std::map<std::int64_t, std::int64_t>& speeds,
                               std::int64_t count) {
  if (count < SpeedBook::kEnoughAnswers) return std::nullopt;
  const std::int64_t low = (count - 1) / 2;
  const std::int64_t high = count / 2;
  std::int64_t seen = 0;
  double lowSpeed = 0;
  for (const auto& [speed, answers] : speeds) {
    if (seen <= low && low < seen + answers) lowSpeed = static_cast<double>(speed);
    if (seen <= high && high < seen + answers) return (lowSpeed + static_cast<double>(speed)) / 2;
    seen += answers;
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> SpeedBook::Median(int slot) const {
  return MiddleOf(slots_.at(slot), counts_.at(slot));
}

std::optional<double> SpeedBook::MedianOfLevel(CueLevel level) const {
  // The level's speeds of every length, merged in order with their counts.
  std::map<std::int64_t, std::int64_t> merged;
  std::int64_t count = 0;
  for (int band = 0; band < kBands; ++band) {
    const int slot = static_cast<int>(level) * kBands + band;
    for (const auto& [speed, answers] : slots_[slot])
      merged[speed] += answers;
    count += counts_[slot];
  }
  return MiddleOf(merged, count);
}

}  // namespace dru
