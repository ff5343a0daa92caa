// The open file's lists and marks, and choosing the next target.
#include "core/drill/drill.h"

#include <cassert>
#include <cstdint>
#include <future>

#include "core/drill/display_texts.h"
#include "core/text/sentence_key.h"
#include "core/text/typed_match.h"

namespace dru {

DrillSnapshot Drill::Snapshot() const {
  DrillSnapshot snapshot;
  snapshot.target = state_.Target;
  snapshot.recall = state_.Recall ? &*state_.Recall : nullptr;
  snapshot.cueCount = state_.CueCount;
  snapshot.encoding = state_.Encoding;
  snapshot.inputEnabled = state_.InputEnabled;
  snapshot.currentSpeed = state_.CurrentSpeed;
  snapshot.bestSpeed = state_.BestSpeed;
  snapshot.counts = state_.ShownCounts;
  snapshot.hours = state_.Hours;
  snapshot.minutes = state_.Minutes;
  snapshot.seconds = state_.Seconds;
  snapshot.options = state_.Options;
  snapshot.reviewCounts = state_.ShownReviewCounts;
  snapshot.reviewUnavailable = state_.ReviewUnavailable;
  snapshot.undoCommand = undo_.NextCommand();
  snapshot.spoken = state_.Spoken;
  snapshot.spokenCount = state_.SpokenCount;
  snapshot.reading = state_.Reading;
  snapshot.status = &state_.Status;
  snapshot.statusCount = state_.StatusCount;
  snapshot.inputClearCount = state_.InputClears;
  return snapshot;
}

void Drill::Refresh() {
  if (Reviewing()) CountReviews();
  const CallingOut out(*this);
  view_.Show(Snapshot());
}

void Drill::Entered() const noexcept {
  assert(!callingOut_ && "a drill operation entered from a call out of another");
}

void Drill::CountReviews() {
  state_.ShownReviewCounts.reset();
  if (Reviewing() && !state_.NoFileOpen) {
    state_.ShownReviewCounts = reviewOrder_.Count(state_.FileLines, clock_.UtcMilliseconds());
  }
}

void Drill::ResetForStartUp() {
  Entered();
  state_.Modified = false;
  state_.RecordCount = 0;
  state_.Hours = state_.Minutes = state_.Seconds = 0;
  state_.NoPrevious = true;
  state_.NoFileOpen = true;
  FreeLists();
  ClearInput();
  Refresh();
}

void Drill::SetOptions(const DrillOptions& options) {
  Entered();
  state_.Options = options;
  state_.ReviewWanted = options.reviewDue;
  if (!state_.ReviewUnavailable.empty()) state_.Options.reviewDue = false;
  Refresh();
}

void Drill::SetReviews(SentenceReviews reviews) {
  Entered();
  reviewOrder_.Load(state_.FileLines, std::move(reviews));
  Refresh();
}

void Drill::SetReviews(const std::function<SentenceReviews()>& read) {
  Entered();
  std::future<SentenceReviews> reviews = std::async(std::launch::async, read);
  reviewOrder_.PrepareLines(state_.FileLines);
  reviewOrder_.AttachReviews(reviews.get());
  Refresh();
}

void Drill::UpdateReview(std::int64_t key, const SentenceReview& review) {
  Entered();
  reviewOrder_.Update(key, review);
}

void Drill::SetReviewUnavailable(std::string reason) {
  Entered();
  const RecallOption recall = ActiveRecall();
  state_.ReviewUnavailable = std::move(reason);
  if (!state_.ReviewUnavailable.empty()) {
    state_.Options.reviewDue = false;
    reviewOrder_.Clear();
    state_.ShownReviewCounts.reset();
  }
  // Fading stops or starts with the history.
  if (ActiveRecall() != recall && !state_.NoFileOpen) BuildCue();
  Refresh();
}

RecallOption Drill::ActiveRecall() const noexcept {
  const RecallOption chosen = state_.Options.recall;
  if (chosen == RecallOption::FadeAsYouLearn && !state_.ReviewUnavailable.empty()) {
    return RecallOption::ShowWholeSentence;
  }
  return chosen;
}

bool Drill::NeedsReviews() const noexcept {
  return state_.Options.reviewDue || ActiveRecall() == RecallOption::FadeAsYouLearn;
}

void Drill::SetRecall(RecallOption option) {
  Entered();
  state_.Options.recall = option;
  if (!NeedsReviews()) reviewOrder_.Clear();
  std::string line = Args(Tr("Drill", "Recall: %1."), {Tr("Drill", FactsOf(option).spokenName)});
  if (!state_.NoFileOpen) {
    BuildCue();
    line += " " + SpokenSentence();
  }
  Say(line);
  Refresh();
}

void Drill::BuildCue() {
  const RecallOption recall = ActiveRecall();
  if (recall == RecallOption::ShowWholeSentence || state_.NoFileOpen) {
    if (state_.Recall) ++state_.CueCount;
    state_.Recall.reset();
    return;
  }
  const std::int64_t key = SentenceKey(state_.Target);
  std::optional<double> stability;
  if (recall == RecallOption::FadeAsYouLearn) {
    if (const std::optional<SentenceReview> review = reviewOrder_.ReviewOf(key)) {
      stability = review->stability;
    }
  }
  const CueLevel level = LevelFor(recall, stability, state_.AnsweredWrong.contains(key));
  state_.Recall.emplace(state_.Target, level, state_.Encoding);
  ++state_.CueCount;
}

std::optional<CueLevel> Drill::NextLevel(std::string_view sentence,
                                         std::optional<double> stability) const {
  const RecallOption recall = ActiveRecall();
  if (recall == RecallOption::ShowWholeSentence) return std::nullopt;
  return LevelFor(recall, stability, state_.AnsweredWrong.contains(SentenceKey(sentence)));
}

std::string_view Drill::TextToType() const noexcept {
  if (state_.Recall) return state_.Recall->Part();
  return state_.Target;
}

void Drill::Hint() {
  Entered();
  if (state_.NoFileOpen || !state_.Recall) return;
  const std::string& part = state_.Recall->Part();
  const MatchRule rule = MatchRuleFor(part, state_.Encoding, state_.Options.caseSensitive);
  const std::string word = state_.Recall->Hint(MatchTyped(state_.Typed, part, rule).matched);
  Say(word.empty() ? Tr("Drill", "No word is hidden.")
                   : Args(Tr("Drill", "Hint: %1"), {AsUtf8(word, state_.Encoding)}));
  ++state_.CueCount;
  Refresh();
}

void Drill::SetOption(Option option, bool on) {
  Entered();
  DrillOptions& options = state_.Options;
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
    case Option::ReviewDue:
      options.reviewDue = on && state_.ReviewUnavailable.empty();
      state_.ReviewWanted = options.reviewDue;
      if (!NeedsReviews()) reviewOrder_.Clear();
      CountReviews();
      break;
    case Option::MarkWhileTyping:
      options.markWhileTyping = on;
      break;
  }
  Say(OptionLine(option, on));
  Refresh();
}

void Drill::InstallFile(SentenceFile& file) {
  Entered();
  state_.RecordCount = static_cast<std::int32_t>(file.records);
  state_.ShownCounts = RecordCounts{file.records, file.marked};
  state_.Modified = false;
  state_.NoFileOpen = false;
  TakeLines(file);
}

void Drill::TakeLines(SentenceFile& file) {
  Entered();
  ForgetUndo();
  state_.Reading.clear();
  ClearStatus();
  state_.Encoding = file.format.encoding;
  state_.FileLines = std::move(file.fileLines);
  state_.UnmarkedList = std::move(file.unmarkedList);
  Refresh();
}

void Drill::CloseFile() {
  Entered();
  ForgetUndo();
  state_.Reading.clear();
  ClearStatus();
  state_.InputEnabled = false;
  FreeLists();
  state_.Target.clear();
  BuildCue();  // none without a file
  state_.CurrentSpeed = 0;
  state_.NoFileOpen = true;
  state_.Modified = false;
  state_.ShownCounts.reset();
  Say(DisplayText(kNoFileText));
  Refresh();
}

void Drill::FreeLists() noexcept {
  state_.FileLines.Clear();
  state_.UnmarkedList.Clear();
  reviewOrder_.Clear();
  state_.ShownReviewCounts.reset();
}

void Drill::Saved() {
  Entered();
  state_.Modified = false;
  ForgetUndo();
  Refresh();
}

std::size_t Drill::RandomIndex(std::size_t count) const {
  // Reseeded from the millisecond clock before every draw, then advanced once.
  const TimeOfDay now = clock_.NowUtc();
  std::uint32_t seed = ((now.hour * 60u + now.minute) * 60u + now.second) * 1000u + now.millisecond;
  seed = seed * 134775813u + 1u;
  return static_cast<std::size_t>(
      (static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(seed)) >> 32);
}

std::string Drill::GetRandomStr(const RecordList& list) const {
  if (state_.NoFileOpen || list.Count() == 0) return {};
  return std::string(list.Get(RandomIndex(list.Count())));
}

std::string Drill::PickNext(std::optional<std::int64_t> lastKey) {
  if (Reviewing() && !state_.NoFileOpen) {
    const std::optional<std::size_t> line =
        reviewOrder_.Pick(state_.FileLines, clock_.UtcMilliseconds(), lastKey,
                          [this](std::size_t count) { return RandomIndex(count); });
    if (line) return std::string(state_.FileLines.Get(*line));
  }
  return GetRandomStr(state_.UnmarkedList);
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
  state_.Target = text;
  BuildCue();
  Say(SpokenSentence());
}

std::string Drill::SpokenSentence() const {
  // Nobody listens to a whole huge record; its start is enough.
  constexpr std::size_t kMostCharacters = 1000;
  const TextEncoding encoding = state_.Encoding;
  const auto start = [](std::string_view text, TextEncoding in) {
    const Span span = QuotedSpan(text, 0, in, kMostCharacters);
    return AsUtf8(text.substr(0, span.size), in) + (span.cutAfter ? "..." : "");
  };
  if (!state_.Recall) return start(state_.Target, encoding);
  // A cue is said in UTF-8, with its blanks in the reader's language.
  std::string spoken = start(state_.Recall->Spoken(0, 4 * kMostCharacters), TextEncoding::Utf8);
  if (!state_.Recall->Prompt().empty()) {
    spoken = Args(Tr("Drill", "%1 Prompt: %2"), {spoken, start(state_.Recall->Prompt(), encoding)});
  }
  return spoken;
}

void Drill::Say(std::string_view words) {
  state_.Spoken = words;
  ++state_.SpokenCount;
}

void Drill::StartFile(std::string_view name) {
  Entered();
  state_.InputEnabled = true;
  state_.NoPrevious = true;
  ClearInput();
  PutSentence(PickNext());
  // A screen reader hears which file came, when one came by name.
  if (!name.empty()) {
    const std::int32_t records = state_.RecordCount;
    Say(Args(Tr("Drill", "Opened %1: %n sentence(s). Next: %2", nullptr, records),
             {name, SpokenSentence()}));
  }
  Refresh();
}

void Drill::RestorePrevious() {
  Entered();
  if (state_.NoFileOpen || state_.NoPrevious) return;
  if (state_.Target == state_.PreviousStr) return;
  ClearInput();
  ShowSentence(state_.PreviousStr);
  Play(Cue::Restore);
}

bool Drill::AwaitsRetry(std::string_view sentence) const {
  return Reviewing() && reviewOrder_.AwaitsRetry(SentenceKey(sentence));
}

void Drill::ShowReading(std::string_view name) {
  Entered();
  state_.Reading = name;
  Refresh();
}

void Drill::SetTyped(std::string text) {
  Entered();
  state_.Typed = std::move(text);
}

void Drill::ClearInput() {
  state_.Typed.clear();
  ++state_.InputClears;
}

bool Drill::ClearStatus() {
  if (state_.Status.kind == StatusReport::Kind::Empty) return false;
  SetStatus({});
  return true;
}

void Drill::SetStatus(StatusReport status) {
  state_.Status = std::move(status);
  ++state_.StatusCount;
}

void Drill::ShowNotice(std::string_view text) {
  Entered();
  SetStatus({StatusReport::Kind::Notice, std::string(text), {}, {}, {}});
  Refresh();
}

void Drill::Play(Cue cue) {
  if (!state_.Options.soundEffect) return;
  const CallingOut out(*this);
  view_.PlayCue(cue);
}

}  // namespace dru
