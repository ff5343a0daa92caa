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
  SetOrder(drill_.Options().order == SentenceOrder::ReviewDue ? SentenceOrder::AtRandom
                                                              : SentenceOrder::ReviewDue);
}

void Commands::SetOrder(SentenceOrder order) {
  // Review order needs the memory model's states; without them it stays
  // off. Text order goes on from the sentence on display.
  if (order == SentenceOrder::ReviewDue && (reviews_ == nullptr || !reviews_->LoadReviews())) {
    return;
  }
  drill_.SetOrder(order);
}

void Commands::SetRecall(RecallOption option) {
  // The states and today's steps, when there is a history: without one,
  // the steps last for this run.
  if (option != RecallOption::ShowWholeSentence && reviews_ != nullptr && drill_.HasOpenFile()) {
    reviews_->LoadReviews();
  }
  drill_.SetRecall(option);
}

void Commands::Hint() {
  drill_.Hint();
}

void Commands::ToggleMarkWhileTyping() {
  drill_.SetOption(Option::MarkWhileTyping, !drill_.Options().markWhileTyping);
}

void Commands::SayAgain() {
  drill_.SayAgain();
}

void Commands::ToggleSpeakAfterEnter() {
  drill_.SetOption(Option::SpeakAfterEnter, !drill_.Options().speakAfterEnter);
}

void Commands::About() {
  drill_.Play(Cue::Start);
  dialogs_.ShowAbout();
}

}  // namespace dru
