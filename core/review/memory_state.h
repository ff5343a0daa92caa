#pragma once

namespace dru {

inline constexpr double kMillisecondsPerDay = 86'400'000.0;

// How well an answer went, as the memory model grades it.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the memory model knows of one sentence: how long it is remembered
// and how hard it is, as of its last review.
struct MemoryState {
  double stability = 0;   // days until the recall probability falls to 90%
  double difficulty = 0;  // 1 (easy) to 10 (hard)
  friend bool operator==(const MemoryState&, const MemoryState&) = default;
};

}  // namespace dru
