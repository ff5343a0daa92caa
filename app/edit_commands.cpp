// The Edit, Options and Help menus.
#include "commands.h"
#include "display_texts.h"

namespace dru {

void Commands::MarkReady() {
  if (state_.NoFileOpen) return;
  state_.NoPrevious = true;
  drill_.Play(Cue::Menu);
  if (state_.UnmarkedList.Count() == 1) {
    // The last record is not marked; the user may start the drill over.
    if (view_.ShowMessage(MessageKind::Confirmation, kLastRecordQuestion) != Answer::Cancel) {
      drill_.ClearAllMarks("Mark Ready");
    }
    return;
  }
  const std::string target = view_.TargetText();
  drill_.MarkRecord(target);
  view_.ClearInput();
  state_.PreviousStr = target;
  view_.SetTargetText(drill_.GetRandomStr(state_.UnmarkedList));
  view_.SetCurrentSpeedBar(0);
  view_.SetCurrentSpeedText("0");
  state_.Modified = true;
  const auto pooled = static_cast<std::int64_t>(state_.UnmarkedList.Count());
  view_.SetInfoText(InfoLine(state_.RecordCount, state_.RecordCount - pooled));
}

void Commands::ClearAllMarks() {
  if (state_.NoFileOpen) return;
  drill_.Play(Cue::Close);
  drill_.ClearAllMarks();
}

void Commands::PreviousSentence() {
  if (!state_.NoFileOpen) drill_.GetPreviousStr();
}

void Commands::Undo() {
  if (!state_.NoFileOpen) drill_.Undo();
}

void Commands::ToggleSoundEffect() {
  state_.SoundEffect = !state_.SoundEffect;
  view_.SetSoundEffectChecked(!view_.SoundEffectChecked());
}

void Commands::ToggleCaseSensitive() {
  state_.CaseSensitive = !state_.CaseSensitive;
  view_.SetCaseSensitiveChecked(!view_.CaseSensitiveChecked());
}

void Commands::ToggleShowMistakes() {
  state_.ShowMistakes = !state_.ShowMistakes;
  view_.SetShowMistakesChecked(!view_.ShowMistakesChecked());
  if (!state_.ShowMistakes) view_.ClearStatus();
}

void Commands::About() {
  drill_.Play(Cue::Start);
  view_.ShowAbout();
}

}  // namespace dru
