// What the history knows of the open file's sentences: the states for
// review order and fading, today's steps, and a history that is off.
#include <future>

#include "core/drill/drill.h"

namespace dru {

void Drill::SetReviews(SentenceReviews reviews) {
  SetReviews([&reviews] { return std::move(reviews); });
}

void Drill::SetReviews(const std::function<SentenceReviews()>& read) {
  Entered();
  std::future<SentenceReviews> reading = std::async(std::launch::async, read);
  reviewOrder_.PrepareLines(state_.marks.Lines());
  SentenceReviews reviews = reading.get();
  const std::int64_t today = Today();
  for (const KeyedReview& sentence : reviews) {
    const SentenceReview& review = sentence.review;
    if (review.stepToday || review.answeredRight) {
      state_.recall.Remember(sentence.key, review.stepToday, review.answeredRight, today);
    }
  }
  reviewOrder_.AttachReviews(std::move(reviews));
  Refresh();
}

void Drill::SetReviewUnavailable(std::string reason) {
  Entered();
  MakeReviewUnavailable(std::move(reason));
  Refresh();
}

void Drill::HistoryTurnedOff(std::string notice) {
  Entered();
  SetStatus({StatusReport::Kind::Notice, notice, {}, {}, {}});
  MakeReviewUnavailable(std::move(notice));
  Refresh();  // once, for both
}

void Drill::MakeReviewUnavailable(std::string reason) {
  state_.reviewUnavailable = std::move(reason);
  if (!state_.reviewUnavailable.empty()) {
    if (state_.options.order == SentenceOrder::ReviewDue) {
      state_.options.order = SentenceOrder::AtRandom;
    }
    reviewOrder_.Clear();
    state_.shownReviewCounts.reset();
    SayStepsForThisRun();
  }
}

void Drill::SayStepsForThisRun() {
  if (state_.options.recall != RecallOption::FadeAsYouLearn || state_.reviewUnavailable.empty() ||
      state_.stepsForThisRunSaid) {
    return;
  }
  state_.stepsForThisRunSaid = true;
  SetStatus({StatusReport::Kind::Notice,
             state_.reviewUnavailable + " " + Tr("Drill", "Learning steps last for this run only."),
             {},
             {},
             {}});
}

bool Drill::NeedsReviews() const noexcept {
  return state_.options.order != SentenceOrder::AtRandom ||
         state_.options.recall != RecallOption::ShowWholeSentence;
}

}  // namespace dru
