// The one-second tick: input box upkeep, speed counter and elapsed time.
#include "core/drill/drill.h"

namespace dru {

void Drill::Tick() {
  Entered();
  // A box left disabled (a start-up message shut with its close button)
  // is enabled again, so that the open file can be typed.
  state_.InputEnabled = !state_.NoFileOpen;
  ++state_.TypingSeconds;
  if (++state_.Seconds == 60) {
    state_.Seconds = 0;
    ++state_.Minutes;
  }
  if (state_.Minutes == 60) {
    state_.Minutes = 0;
    ++state_.Hours;
  }
  Refresh();
  const CallingOut out(*this);
  if (state_.InputEnabled) view_.FocusInput();
}

}  // namespace dru
