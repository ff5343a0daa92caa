// Choosing the next target and restoring the previous one.
#include <cstdint>

#include "drill.h"

namespace dru {

std::string Drill::GetRandomStr(const RecordList& list) const {
  if (state_.NoFileOpen || list.Count() == 0) return {};
  // Reseeded from the millisecond clock before every draw, then advanced once.
  const TimeOfDay now = clock_.NowUtc();
  std::uint32_t seed = ((now.hour * 60u + now.minute) * 60u + now.second) * 1000u + now.millisecond;
  seed = seed * 134775813u + 1u;
  const auto index = static_cast<std::size_t>(
      (static_cast<std::uint64_t>(list.Count()) * static_cast<std::uint64_t>(seed)) >> 32);
  return std::string(list.Get(index));
}

void Drill::GetPreviousStr() {
  if (state_.NoFileOpen || state_.NoPrevious) return;
  if (view_.TargetText() == state_.PreviousStr) return;
  view_.ClearInput();
  view_.SetTargetText(state_.PreviousStr);
  Cue("RESTORE");
}

void Drill::Cue(std::string_view name) {
  if (state_.SoundEffect) view_.PlayCue(name);
}

}  // namespace dru
