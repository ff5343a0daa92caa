// The one-second tick: input box upkeep, speed counter and elapsed time.
#include "core/drill/drill.h"

namespace dru {

void Drill::Tick() {
  Entered();
  // A box left disabled (a start-up message shut with its close button)
  // is enabled again, so that the open file can be typed.
  state_.inputEnabled = state_.fileOpen;
  ++state_.typingSeconds;
  if (++state_.seconds == 60) {
    state_.seconds = 0;
    ++state_.minutes;
  }
  if (state_.minutes == 60) {
    state_.minutes = 0;
    ++state_.hours;
  }
  Refresh();
  const CallingOut out(*this);
  if (state_.inputEnabled) view_.FocusInput();
}

}  // namespace dru
