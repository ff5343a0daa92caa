// The open file's lists and marks, and choosing the next target.
#include "core/drill/drill.h"

#include <cassert>
#include <cstdint>
#include <future>
#include <utility>

#include "core/drill/display_texts.h"
#include "core/text/sentence_key.h"
#include "core/text/typed_match.h"

namespace dru {

DrillSnapshot Drill::Snapshot() const {
  DrillSnapshot snapshot;
  snapshot.target = state_.target;
  snapshot.recall = state_.recall.Cue();
  snapshot.cueCount = state_.recall.CueCount();
  snapshot.encoding = state_.encoding;
  snapshot.inputEnabled = state_.inputEnabled;
  snapshot.currentSpeed = state_.currentSpeed;
  snapshot.bestSpeed = state_.bestSpeed;
  snapshot.counts = state_.shownCounts;
  snapshot.hours = state_.hours;
  snapshot.minutes = state_.minutes;
  snapshot.seconds = state_.seconds;
  snapshot.options = state_.options;
  snapshot.reviewCounts = state_.shownReviewCounts;
  snapshot.reviewUnavailable = state_.reviewUnavailable;
  snapshot.undoCommand = state_.marks.NextUndo();
  snapshot.spoken = state_.spoken;
  snapshot.spokenCount = state_.spokenCount;
  snapshot.aloud = state_.aloud;
  snapshot.aloudCount = state_.aloudCount;
  snapshot.speechUnavailable = state_.speechUnavailable;
  snapshot.reading = state_.reading;
  snapshot.status = &state_.status;
  snapshot.statusCount = state_.statusCount;
  snapshot.inputClearCount = state_.inputClears;
  return snapshot;
}

void Drill::Refresh() {
  if (Reviewing()) CountReviews();
  const CallingOut out(*this);
  view_.Show(Snapshot());
  state_.aloudPending = false;
}

void Drill::Entered() const noexcept {
  assert(!callingOut_ && "a drill operation entered from a call out of another");
}

void Drill::CountReviews() {
  state_.shownReviewCounts.reset();
  if (Reviewing() && state_.fileOpen) {
    state_.shownReviewCounts = reviewOrder_.Count(state_.marks.Lines(), clock_.UtcMilliseconds());
  }
}

void Drill::ResetForStartUp() {
  Entered();
  state_.modified = false;
  state_.marks.SetRecordCount(0);
  state_.hours = state_.minutes = state_.seconds = 0;
  state_.previousAllowed = false;
  state_.fileOpen = false;
  FreeLists();
  ClearInput();
  Refresh();
}

void Drill::SetOptions(const DrillOptions& options) {
  Entered();
  state_.options = options;
  state_.orderWanted = options.order;
  if (!state_.reviewUnavailable.empty() && options.order == SentenceOrder::ReviewDue) {
    state_.options.order = SentenceOrder::AtRandom;
  }
  Refresh();
}

void Drill::SetRecall(RecallOption option) {
  Entered();
  state_.options.recall = option;
  if (!NeedsReviews()) reviewOrder_.Clear();
  SayStepsForThisRun();
  std::string line = Args(Tr("Drill", "Recall: %1."), {Tr("Drill", FactsOf(option).spokenName)});
  if (state_.fileOpen) {
    BuildCue();
    if (Listening()) SayAloud(state_.target);
    line += " " + SpokenSentence();
  }
  Say(line);
  Refresh();
}

std::int64_t Drill::Today() const {
  // Asked for each row of a long Progress table: worked out once a day.
  const std::int64_t now = clock_.UtcMilliseconds();
  if (now < today_.from || now >= today_.to) today_ = {LocalMidnight(now), LocalMidnight(now, 1)};
  return today_.from;
}

void Drill::BuildCue() {
  const RecallOption recall = state_.options.recall;
  if (recall == RecallOption::ShowWholeSentence || !state_.fileOpen) {
    state_.recall.Hide();
    state_.shownStep.reset();
    return;
  }
  const std::int64_t key = SentenceKey(state_.target);
  std::optional<double> stability;
  if (recall == RecallOption::FadeAsYouLearn) {
    if (const std::optional<SentenceReview> review = reviewOrder_.ReviewOf(key)) {
      stability = review->stability;
    }
  }
  state_.recall.Show(state_.target, key, recall, stability, Today(), state_.encoding);
}

std::optional<CueLevel> Drill::NextLevel(std::string_view sentence,
                                         std::optional<double> stability) const {
  const RecallOption recall = state_.options.recall;
  if (recall == RecallOption::ShowWholeSentence) return std::nullopt;
  return state_.recall.LevelOf(recall, SentenceKey(sentence), stability, Today());
}

std::string_view Drill::TextToType() const noexcept {
  if (const RecallCue* cue = state_.recall.Cue()) return cue->Part();
  return state_.target;
}

void Drill::Hint() {
  Entered();
  const RecallCue* cue = state_.recall.Cue();
  if (!state_.fileOpen || cue == nullptr) return;
  const std::string& part = cue->Part();
  const MatchRule rule = MatchRuleFor(part, state_.encoding, state_.options.caseSensitive);
  const std::string word = state_.recall.Hint(MatchTyped(state_.typed, part, rule).matched);
  Say(word.empty() ? Tr("Drill", "No word is hidden.")
                   : Args(Tr("Drill", "Hint: %1"), {AsUtf8(word, state_.encoding)}));
  Refresh();
}

void Drill::SetOption(Option option, bool on) {
  Entered();
  DrillOptions& options = state_.options;
  switch (option) {
    case Option::SoundEffect:
      options.soundEffect = on;
      break;
    case Option::CaseSensitive:
      options.caseSensitive = on;
      break;
    case Option::ShowMistakes:
      options.showMistakes = on;
      if (!on) ClearStatus();
      break;
    case Option::MarkWhileTyping:
      options.markWhileTyping = on;
      break;
    case Option::SpeakAfterEnter:
      options.speakAfterEnter = on;
      break;
  }
  Say(OptionLine(option, on));
  Refresh();
}

void Drill::InstallFile(SentenceFile& file) {
  Entered();
  state_.marks.SetRecordCount(static_cast<std::int32_t>(file.records));
  state_.shownCounts = RecordCounts{file.records, file.marked};
  state_.modified = false;
  state_.fileOpen = true;
  TakeLines(file);
}

void Drill::TakeLines(SentenceFile& file) {
  Entered();
  ForgetUndo();
  state_.reading.clear();
  ClearStatus();
  state_.encoding = file.format.encoding;
  state_.marks.TakeLines(std::move(file.fileLines), std::move(file.unmarkedList));
  Refresh();
}

void Drill::CloseFile() {
  Entered();
  ForgetUndo();
  state_.reading.clear();
  ClearStatus();
  state_.inputEnabled = false;
  FreeLists();
  state_.target.clear();
  BuildCue();  // none without a file
  state_.currentSpeed = 0;
  state_.fileOpen = false;
  state_.modified = false;
  state_.shownCounts.reset();
  Say(DisplayText(kNoFileText));
  Refresh();
}

void Drill::FreeLists() noexcept {
  state_.marks.Free();
  state_.textLine.reset();
  state_.previousTextLine.reset();
  reviewOrder_.Clear();
  state_.shownReviewCounts.reset();
}

void Drill::Saved() {
  Entered();
  state_.modified = false;
  ForgetUndo();
  Refresh();
}

void Drill::ShowNextSentence() {
  Entered();
  ShowSentence(PickNext());
}

void Drill::ShowSentence(std::string_view text) {
  Entered();
  PutSentence(text);
  Refresh();
}

void Drill::PutSentence(std::string_view text) {
  state_.target = text;
  BuildCue();
  if (Listening()) SayAloud(state_.target);
  // Fading says its step when it changes, not with every sentence.
  state_.stepLine.clear();
  const RecallCue* cue = state_.recall.Cue();
  if (state_.options.recall == RecallOption::FadeAsYouLearn && cue != nullptr) {
    const std::optional<CueLevel> before = std::exchange(state_.shownStep, cue->Level());
    if (before && *before != cue->Level()) {
      state_.stepLine = Tr("Drill", StepLine(cue->Level()).data()) + " ";
    }
  }
  Say(NextSpoken());
}

std::string Drill::NextSpoken() const {
  return state_.stepLine + SpokenSentence();
}

std::string Drill::SpokenSentence() const {
  // Nobody listens to a whole huge record; its start is enough.
  constexpr std::size_t kMostCharacters = 1000;
  const TextEncoding encoding = state_.encoding;
  const auto start = [](std::string_view text, TextEncoding in) {
    const Span span = QuotedSpan(text, 0, in, kMostCharacters);
    return AsUtf8(text.substr(0, span.size), in) + (span.cutAfter ? "..." : "");
  };
  const RecallCue* cue = state_.recall.Cue();
  if (cue == nullptr) return start(state_.target, encoding);
  // A cue is said in UTF-8, with its blanks in the reader's language; a
  // sentence to be heard is not written out, not even on a braille display.
  std::string spoken = cue->Level() == CueLevel::Listening
                           ? Tr("Drill", "Listen and type.")
                           : start(cue->Spoken(0, 4 * kMostCharacters), TextEncoding::Utf8);
  if (!cue->Prompt().empty()) {
    spoken = Args(Tr("Drill", "%1 Prompt: %2"), {spoken, start(cue->Prompt(), encoding)});
  }
  return spoken;
}

void Drill::Say(std::string_view words) {
  state_.spoken = words;
  ++state_.spokenCount;
}

void Drill::StartFile(std::string_view name) {
  Entered();
  state_.inputEnabled = true;
  state_.previousAllowed = false;
  ClearInput();
  // Text order goes on after the line answered last.
  state_.textLine = state_.previousTextLine = reviewOrder_.LastAnsweredLine();
  state_.shownStep.reset();
  PutSentence(PickNext());
  // A screen reader hears which file came, when one came by name.
  if (!name.empty()) {
    const std::int32_t records = state_.marks.RecordCount();
    Say(Args(Tr("Drill", "Opened %1: %n sentence(s). Next: %2", nullptr, records),
             {name, SpokenSentence()}));
  }
  Refresh();
}

void Drill::RestorePrevious() {
  Entered();
  if (!state_.fileOpen || !state_.previousAllowed) return;
  if (state_.target == state_.previous) return;
  ClearInput();
  state_.textLine = state_.previousTextLine;
  ShowSentence(state_.previous);
  Play(Cue::Restore);
}

bool Drill::AwaitsRetry(std::string_view sentence) const {
  return Reviewing() && reviewOrder_.AwaitsRetry(SentenceKey(sentence));
}

void Drill::ShowReading(std::string_view name) {
  Entered();
  state_.reading = name;
  Refresh();
}

void Drill::SetTyped(std::string text) {
  Entered();
  state_.typed = std::move(text);
}

void Drill::ClearInput() {
  state_.typed.clear();
  ++state_.inputClears;
}

bool Drill::ClearStatus() {
  if (state_.status.kind == StatusReport::Kind::Empty) return false;
  SetStatus({});
  return true;
}

void Drill::SetStatus(StatusReport status) {
  state_.status = std::move(status);
  ++state_.statusCount;
}

void Drill::ShowNotice(std::string_view text) {
  Entered();
  SetStatus({StatusReport::Kind::Notice, std::string(text), {}, {}, {}});
  Refresh();
}

void Drill::Play(Cue cue) {
  if (!state_.options.soundEffect) return;
  const CallingOut out(*this);
  view_.PlayCue(cue);
}

}  // namespace dru
