#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "core/recall/recall_level.h"
#include "core/review/memory_state.h"

namespace dru {

// How an answer was typed: at which level of recall, whether Recall was
// on, and with how many hints.
struct AnswerCue {
  CueLevel level = CueLevel::WholeSentence;
  bool recall = false;
  std::int64_t hints = 0;
};

// A wrong answer off by at most one character in 20 of the sentence, and
// by one in any sentence: a typo, not forgetting. mistakes is the edit
// distance the mistakes line counts (-1: too unlike to count).
constexpr bool IsSlip(std::int64_t mistakes, std::int64_t characters) noexcept {
  return mistakes >= 1 && mistakes <= std::max<std::int64_t>(1, characters / 20);
}

// The user's speeds on correct answers, by level of recall and sentence
// length, for grading an answer from the typing itself: wrong is Again
// (a slip ReviewAnswer makes Hard);
// right is Hard below 80% of the median speed of sentences of its level and
// length, Easy above 125%, else Good. While a length has fewer than
// kEnoughAnswers speeds the median of all lengths of the level is used;
// while that has too few too, a right answer is Good. Then a right answer
// with a hint is Hard at most, and one typed looking at the whole sentence
// while Recall is on is Good at most: copying is not recall.
class SpeedBook {
 public:
  static constexpr int kBands = 5;
  // A slot per level and band, as stored: level * kBands + band.
  static constexpr int kSlots = kBands * kCueLevels;
  static constexpr std::int64_t kEnoughAnswers = 10;

  // Length bands by characters: up to 20, 40, 80, 160, and longer.
  static int Band(std::int64_t characters) noexcept;
  static int Slot(CueLevel level, std::int64_t characters) noexcept;

  // speed: the answer's TypingSpeed, in keys per minute.
  Grade GradeOf(bool correct, std::int64_t characters, std::int64_t speed,
                const AnswerCue& cue = {}) const;
  // A correct answer's speed, in keys per minute, counted from now on.
  void Add(std::int64_t characters, std::int64_t speed, CueLevel level = CueLevel::WholeSentence);
  // Speeds are counted to the whole key per minute.
  void Add(int slot, std::int64_t speed, std::int64_t answers);

  // The median of a slot; none while too few.
  std::optional<double> Median(int slot) const;
  // The median of all lengths at a level; none while too few.
  std::optional<double> MedianOfLevel(CueLevel level) const;
  // Each slot's speeds and their counts, for storing.
  const std::map<std::int64_t, std::int64_t>& Speeds(int slot) const { return slots_.at(slot); }

 private:
  std::array<std::map<std::int64_t, std::int64_t>, kSlots> slots_;
  std::array<std::int64_t, kSlots> counts_{};
};

}  // namespace dru
