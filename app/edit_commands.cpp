// The Edit, Options and Help menus.
#include "app/commands.h"

namespace dru {

void Commands::MarkReady() {
  if (!drill_.HasOpenFile()) return;
  // The last record is not marked; the user may start the drill over.
  if (!drill_.MarkReady() &&
      dialogs_.ShowMessage(MessageKind::Confirmation, Tr("Commands", kLastRecordQuestion.data())) !=
          Answer::Cancel) {
    drill_.ClearAllMarks(DRU_TR_NOOP("Command", "Mark Ready"));
  }
}

void Commands::ClearAllMarks() {
  if (!drill_.HasOpenFile()) return;
  drill_.Play(Cue::Close);
  drill_.ClearAllMarks();
}

void Commands::PreviousSentence() {
  drill_.RestorePrevious();
}

void Commands::Undo() {
  if (drill_.HasOpenFile()) drill_.Undo();
}

void Commands::ToggleSoundEffect() {
  drill_.SetOption(Option::SoundEffect, !drill_.Options().soundEffect);
}

void Commands::ToggleCaseSensitive() {
  drill_.SetOption(Option::CaseSensitive, !drill_.Options().caseSensitive);
}

void Commands::ToggleShowMistakes() {
  drill_.SetOption(Option::ShowMistakes, !drill_.Options().showMistakes);
}

void Commands::ToggleReviewDue() {
  const bool on = !drill_.Options().reviewDue;
  if (on && (reviews_ == nullptr || !reviews_->LoadReviews())) return;
  drill_.SetOption(Option::ReviewDue, on);
}

void Commands::SetRecall(RecallOption option) {
  // Fading needs the memory model's states; without them it stays off.
  if (option == RecallOption::FadeAsYouLearn && drill_.HasOpenFile() &&
      (reviews_ == nullptr || !reviews_->LoadReviews())) {
    return;
  }
  drill_.SetRecall(option);
}

void Commands::Hint() {
  drill_.Hint();
}

void Commands::ToggleMarkWhileTyping() {
  drill_.SetOption(Option::MarkWhileTyping, !drill_.Options().markWhileTyping);
}

void Commands::About() {
  drill_.Play(Cue::Start);
  dialogs_.ShowAbout();
}

}  // namespace dru
