#include "core/recall/recall_level.h"

#include <algorithm>

#include "core/text/translation.h"

namespace dru {

CueLevel FadeLevel(std::optional<double> stability) noexcept {
  int level = 0;
  for (int next = 1; next < kLearningSteps && stability && *stability >= kFadeFromDays[next];
       ++next)
    level = next;
  return static_cast<CueLevel>(level);
}

AnswerResult ResultOf(bool correct, std::int64_t hints, bool slip) noexcept {
  if (correct) return hints > 0 ? AnswerResult::RightWithHint : AnswerResult::Right;
  return slip ? AnswerResult::Slip : AnswerResult::Wrong;
}

CueLevel StepAfter(CueLevel step, AnswerResult result) noexcept {
  int next = std::min(static_cast<int>(step), kLearningSteps - 1);
  if (result == AnswerResult::Right) next = std::min(next + 1, kLearningSteps - 1);
  if (result == AnswerResult::Wrong) next = std::max(next - 1, 0);
  return static_cast<CueLevel>(next);
}

std::string_view StepLine(CueLevel step) noexcept {
  static constexpr std::string_view kLines[kLearningSteps] = {
      DRU_TR_NOOP("Drill", "Whole sentence shown."),
      DRU_TR_NOOP("Drill", "Every other word hidden."), DRU_TR_NOOP("Drill", "First letters only."),
      DRU_TR_NOOP("Drill", "From memory.")};
  return kLines[std::min(static_cast<int>(step), kLearningSteps - 1)];
}

std::string_view LevelName(CueLevel level) noexcept {
  static constexpr std::string_view kNames[kCueLevels] = {
      DRU_TR_NOOP("Recall", "whole sentence"), DRU_TR_NOOP("Recall", "every other word"),
      DRU_TR_NOOP("Recall", "first letters"), DRU_TR_NOOP("Recall", "prompt only"),
      DRU_TR_NOOP("Recall", "listening")};
  return kNames[static_cast<int>(level)];
}

}  // namespace dru
