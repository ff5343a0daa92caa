// The one-second tick: input box upkeep, speed counter and elapsed time.
#include "drill.h"

namespace dru {
namespace {

std::string TwoDigits(std::int32_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  return "Time  " + TwoDigits(hours) + " : " + TwoDigits(minutes) + " : " + TwoDigits(seconds) +
         "  have been elasped ...";
}

void Drill::TimerDruTimer() {
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
