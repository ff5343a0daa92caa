#pragma once

#include <cstdint>

#include "core/drill/cue.h"
#include "core/drill/drill_snapshot.h"

namespace dru {

// Range of both speed bars' drawing: a faster speed stands full.
inline constexpr std::int64_t kBarMin = 0;
inline constexpr std::int64_t kBarMax = 600;

// Where the drill shows itself. The window implements it; tests use a
// fake. The view is told what to show and never asked: what the user types
// reaches the drill from the input box (Drill::SetTyped).
class DrillView {
 public:
  virtual ~DrillView() = default;

  // Draws every display from the drill's state: the sentence to type,
  // whether the input box takes keys (and empties it when the drill did),
  // the speed numbers and bars, the information and time lines, the status
  // line, the option check marks and the Undo item.
  virtual void Show(const DrillSnapshot& snapshot) = 0;
  // Starts a cue's sound and returns at once.
  virtual void PlayCue(Cue cue) = 0;
  // Gives the input box the focus, unless it has it, it takes no keys, or
  // a box of ours or another program is in front.
  virtual void FocusInput() = 0;
};

}  // namespace dru
