#include "core/recall/recall_level.h"

#include "core/text/translation.h"

namespace dru {

CueLevel FadeLevel(std::optional<double> stability, bool answeredWrong) noexcept {
  int level = 0;
  for (int next = 1; next < kCueLevels && stability && *stability >= kFadeFromDays[next]; ++next)
    level = next;
  if (answeredWrong && level > 0) --level;
  return static_cast<CueLevel>(level);
}

CueLevel LevelFor(RecallOption option, std::optional<double> stability,
                  bool answeredWrong) noexcept {
  return FactsOf(option).level.value_or(FadeLevel(stability, answeredWrong));
}

std::string_view LevelName(CueLevel level) noexcept {
  static constexpr std::string_view kNames[kCueLevels] = {
      DRU_TR_NOOP("Recall", "whole sentence"), DRU_TR_NOOP("Recall", "every other word"),
      DRU_TR_NOOP("Recall", "first letters"), DRU_TR_NOOP("Recall", "prompt only")};
  return kNames[static_cast<int>(level)];
}

}  // namespace dru
