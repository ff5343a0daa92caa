// The one-second tick: input box upkeep, speed counter and elapsed time.
#include "display_texts.h"
#include "drill.h"

namespace dru {

void Drill::Tick() {
  if (state_.NoFileOpen) {
    view_.SetInputEnabled(false);
  } else {
    // A box left disabled (a start-up message shut with its close button)
    // is enabled again, so that the open file can be typed.
    view_.SetInputEnabled(true);
    if (!view_.InputHasFocus()) view_.FocusInput();
  }
  ++state_.TypingSeconds;
  if (++state_.Seconds == 60) {
    state_.Seconds = 0;
    ++state_.Minutes;
  }
  if (state_.Minutes == 60) {
    state_.Minutes = 0;
    ++state_.Hours;
  }
  view_.SetTimeText(TimeLine(state_.Hours, state_.Minutes, state_.Seconds));
}

}  // namespace dru
