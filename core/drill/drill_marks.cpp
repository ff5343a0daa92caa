// Marks: Mark Ready, Clear All Marks and their undo, and the counts the
// information line shows.
#include "core/drill/display_texts.h"
#include "core/drill/drill.h"

namespace dru {

void Drill::ShowCounts() {
  state_.shownCounts = state_.marks.Counts();
}

bool Drill::MarkReady() {
  Entered();
  if (!state_.fileOpen) return true;
  state_.previousAllowed = false;
  Play(Cue::Menu);
  if (state_.marks.Pool().Count() == 1) return false;
  MarkRecord(state_.target);
  ClearInput();
  state_.previous = std::move(state_.target);
  state_.currentSpeed = 0;
  state_.modified = true;
  ShowCounts();
  PutSentence(PickNext());
  Say(Args(Tr("Drill", "Marked. %1 Next: %2"), {MarkedLine(*state_.shownCounts), NextSpoken()}));
  Refresh();
  return true;
}

void Drill::ClearAllMarks(std::string_view command) {
  Entered();
  state_.marks.ClearAll(command);
  ShowCounts();
  state_.modified = true;
  Say(Args(Tr("Drill", "All marks cleared. %1"), {MarkedLine(*state_.shownCounts)}));
  Refresh();
}

void Drill::MarkRecord(std::string_view target) {
  Entered();
  if (!state_.marks.Mark(target, state_.encoding)) return;
  state_.modified = true;
  Refresh();
}

bool Drill::Undo() {
  Entered();
  if (!state_.marks.Undo()) return false;
  ShowCounts();
  state_.modified = true;
  Say(Args(Tr("Drill", "Undone. %1"), {MarkedLine(*state_.shownCounts)}));
  Refresh();
  return true;
}

}  // namespace dru
