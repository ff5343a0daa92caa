#pragma once

#include <cstdint>

#include "core/review/memory_state.h"

namespace dru {

// The free spaced repetition scheduler's memory model, version 6, with its
// published default parameters: a power forgetting curve, stability grown
// by each success and cut by each lapse, and difficulty moved by each grade
// and drawn back towards that of a first Easy.
namespace review {

inline constexpr double kDesiredRetention = 0.9;

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
