// The memory model's formulas, one function each.
#include "core/review/review_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dru::review {
namespace {

// The published defaults, w0 to w20.
constexpr std::array<double, 21> kW = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                       0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                       1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kMinStability = 0.001;

double Decay() {
  return -kW[20];
}
// Chosen so that the recall probability is 90% after stability days.
double Factor() {
  return std::pow(0.9, 1.0 / Decay()) - 1.0;
}
double G(Grade grade) {
  return static_cast<double>(static_cast<int>(grade));
}
double ClampDifficulty(double difficulty) {
  return std::clamp(difficulty, 1.0, 10.0);
}
// Unclamped: the target of the mean reversion.
double RawInitialDifficulty(Grade grade) {
  return kW[4] - std::exp(kW[5] * (G(grade) - 1.0)) + 1.0;
}

}  // namespace

double InitialStability(Grade grade) {
  return std::max(kW[static_cast<int>(grade) - 1], kMinStability);
}

double InitialDifficulty(Grade grade) {
  return ClampDifficulty(RawInitialDifficulty(grade));
}

MemoryState First(Grade grade) {
  return {InitialStability(grade), InitialDifficulty(grade)};
}

double Retrievability(double stability, double elapsedDays) {
  const double days = std::max(elapsedDays, 0.0);
  return std::pow(1.0 + Factor() * days / std::max(stability, kMinStability), Decay());
}

double Interval(double stability, double retention) {
  return stability / Factor() * (std::pow(retention, 1.0 / Decay()) - 1.0);
}

double NextDifficulty(double difficulty, Grade grade) {
  const double delta = -kW[6] * (G(grade) - 3.0);
  // Steps shrink as the difficulty nears 10.
  const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
  return ClampDifficulty(kW[7] * RawInitialDifficulty(Grade::Easy) + (1.0 - kW[7]) * damped);
}

double StabilityAfterSuccess(const MemoryState& state, double recall, Grade grade) {
  const double hardPenalty = grade == Grade::Hard ? kW[15] : 1.0;
  const double easyBonus = grade == Grade::Easy ? kW[16] : 1.0;
  const double growth = std::exp(kW[8]) * (11.0 - state.difficulty) *
                        std::pow(state.stability, -kW[9]) *
                        (std::exp(kW[10] * (1.0 - recall)) - 1.0) * hardPenalty * easyBonus;
  return state.stability * (1.0 + growth);
}

double StabilityAfterLapse(const MemoryState& state, double recall) {
  const double longTerm = kW[11] * std::pow(state.difficulty, -kW[12]) *
                          (std::pow(state.stability + 1.0, kW[13]) - 1.0) *
                          std::exp(kW[14] * (1.0 - recall));
  // A lapse never leaves a sentence better remembered than a same-day Again.
  const double shortTerm = state.stability / std::exp(kW[17] * kW[18]);
  return std::min(longTerm, shortTerm);
}

double ShortTermStability(double stability, Grade grade) {
  double increase = std::exp(kW[17] * (G(grade) - 3.0 + kW[18])) * std::pow(stability, -kW[19]);
  // A right answer the same day never lowers stability, Hard included.
  if (grade != Grade::Again) increase = std::max(increase, 1.0);
  return stability * increase;
}

MemoryState Next(const MemoryState& state, double elapsedDays, Grade grade) {
  double stability = 0;
  if (elapsedDays < 1.0) {
    stability = ShortTermStability(state.stability, grade);
  } else {
    const double recall = Retrievability(state.stability, elapsedDays);
    stability = grade == Grade::Again ? StabilityAfterLapse(state, recall)
                                      : StabilityAfterSuccess(state, recall, grade);
  }
  return {std::max(stability, kMinStability), NextDifficulty(state.difficulty, grade)};
}

}  // namespace dru::review
