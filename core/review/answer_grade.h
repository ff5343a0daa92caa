#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "core/review/review_model.h"

namespace dru {

// The user's speeds on correct answers, by sentence length, for grading an
// answer from the typing itself: wrong is Again; right is Hard below 80% of
// the median speed of sentences of its length, Easy above 125%, else Good.
// While a length has fewer than kEnoughAnswers speeds the median of all
// lengths is used; while that has too few too, a right answer is Good.
class SpeedBook {
 public:
  static constexpr int kBands = 5;
  static constexpr std::int64_t kEnoughAnswers = 10;

  // Length bands by characters: up to 20, 40, 80, 160, and longer.
  static int Band(std::int64_t characters) noexcept;

  // speed: the answer's TypingSpeed, in keys per minute.
  Grade GradeOf(bool correct, std::int64_t characters, std::int64_t speed) const;
  // A correct answer's speed, in keys per minute, counted from now on.
  void Add(std::int64_t characters, std::int64_t speed);
  // Speeds are counted to the whole key per minute.
  void Add(int band, std::int64_t speed, std::int64_t answers);

  // The median of a band, or of all bands with band -1; none while too few.
  std::optional<double> Median(int band) const;
  // Each band's speeds and their counts, for storing.
  const std::map<std::int64_t, std::int64_t>& Speeds(int band) const { return bands_.at(band); }

 private:
  std::array<std::map<std::int64_t, std::int64_t>, kBands> bands_;
  std::array<std::int64_t, kBands> counts_{};
};

}  // namespace dru
