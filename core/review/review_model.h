#pragma once

#include <cstdint>

namespace dru {

// How well an answer went, as the memory model grades it.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the memory model knows of one sentence: how long it is remembered
// and how hard it is, as of its last review.
struct MemoryState {
  double stability = 0;   // days until the recall probability falls to 90%
  double difficulty = 0;  // 1 (easy) to 10 (hard)
  friend bool operator==(const MemoryState&, const MemoryState&) = default;
};

// The free spaced repetition scheduler's memory model, version 6, with its
// published default parameters: a power forgetting curve, stability grown
// by each success and cut by each lapse, and difficulty moved by each grade
// and drawn back towards that of a first Easy.
namespace review {

inline constexpr double kDesiredRetention = 0.9;
inline constexpr double kMillisecondsPerDay = 86'400'000.0;

// A first review.
MemoryState First(Grade grade);
// The probability of recalling a sentence elapsedDays after its last
// review.
double Retrievability(double stability, double elapsedDays);
// The state after a review elapsedDays after the last one: within a day
// the short-term update, else a success or a lapse.
MemoryState Next(const MemoryState& state, double elapsedDays, Grade grade);
// Days after a review until the recall probability falls to retention.
double Interval(double stability, double retention = kDesiredRetention);

// The parts, for whoever checks them one by one.
double InitialStability(Grade grade);
double InitialDifficulty(Grade grade);
double NextDifficulty(double difficulty, Grade grade);
double StabilityAfterSuccess(const MemoryState& state, double recall, Grade grade);
double StabilityAfterLapse(const MemoryState& state, double recall);
double ShortTermStability(double stability, Grade grade);

}  // namespace review
}  // namespace dru
