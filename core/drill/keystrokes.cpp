// The key handlers of the input box: typing sounds, Esc, Enter and scoring.
#include <algorithm>
#include <cmath>

#include "core/drill/display_texts.h"
#include "core/drill/drill.h"
#include "core/drill/keys.h"
#include "core/review/answer_grade.h"
#include "core/review/typing_speed.h"
#include "core/text/mistakes.h"
#include "core/text/sentence_key.h"
#include "core/text/typed_match.h"

namespace dru {

void Drill::OnKeyPress(char32_t keyChar) {
  Entered();
  if (!state_.fileOpen) return;
  const TextEncoding encoding = state_.encoding;
  // The key is not in the box yet: one character there means this is the
  // second key of a record, where the speed measurement starts; none, the
  // first key, where the history's exact time starts.
  const std::size_t typed = CharacterCount(state_.typed, encoding);
  if (typed == 1) state_.typingSeconds = 0;
  const bool editing =
      keyChar == key::kEnter || keyChar == key::kEscape || keyChar == key::kBackspace;
  if (typed == 0 && !editing) state_.firstKeyTime = clock_.SteadyMilliseconds();
  // The last Enter's result goes.
  bool changed = keyChar != key::kEnter && ClearStatus();
  bool answered = false;

  switch (keyChar) {
    case key::kBackspace:
      Play(Cue::Del);
      break;
    case key::kEnter:
      Play(Cue::Enter);
      answered = CompleteRecord();
      break;
    case key::kEscape:
      ClearInput();
      changed = true;
      Play(Cue::Esc);
      break;
    default:
      // In UTF-8 every printable character is typing, beyond ASCII too.
      if ((keyChar >= 32 && keyChar <= 126) ||
          (encoding == TextEncoding::Utf8 && keyChar >= 0xA0)) {
        Play(Cue::Type);
      }
      break;
  }
  if (changed) Refresh();
  // The operation is over: whoever keeps the answers may now act on it.
  if (answered && answerShown_) answerShown_();
}

bool Drill::CompleteRecord() {
  const std::string typedText = state_.typed;
  const TextEncoding encoding = state_.encoding;
  const DrillOptions& options = state_.options;
  // Against the part to type of a cue: a prompt after a TAB is never typed.
  const std::string_view toType = TextToType();
  const MatchRule rule = MatchRuleFor(toType, encoding, options.caseSensitive);
  const bool correct = MatchTyped(typedText, toType, rule).whole;
  const auto keys = static_cast<std::int64_t>(CharacterCount(typedText, encoding));
  const std::int64_t typingMs =
      state_.firstKeyTime >= 0 ? clock_.SteadyMilliseconds() - state_.firstKeyTime : 0;
  std::int64_t speed = 0;
  std::int64_t mistakes = 0;
  bool slip = false;
  std::string result;
  if (correct) {
    speed = TypingSpeed(keys, typingMs);
    result = CorrectLine(speed);
    if (options.showMistakes) SetStatus({StatusReport::Kind::Correct, {}, {}, {}, {}});
  } else {
    // The mistakes are found in the texts as they look: composed, so that
    // "é" typed in one piece is "e" and a combining accent in the file.
    std::string composedTyped;
    std::string composedTarget;
    std::string_view typed = typedText;
    std::string_view target = toType;
    if (encoding == TextEncoding::Utf8) {
      typed = ComposedForm(typed, composedTyped);
      target = ComposedForm(target, composedTarget);
    }
    const Comparison comparison =
        CompareTexts(typed, target, encoding, options.caseSensitive, rule.folding);
    result = MistakesLine(typed, target, comparison, encoding);
    mistakes = comparison.aligned ? static_cast<std::int64_t>(comparison.mistakes) : -1;
    slip = IsSlip(mistakes, static_cast<std::int64_t>(CharacterCount(target, encoding)));
    if (options.showMistakes) {
      SetStatus(
          {StatusReport::Kind::Mistakes, {}, std::string(typed), std::string(target), comparison});
    }
  }
  state_.currentSpeed = speed;
  state_.bestSpeed = std::max(state_.bestSpeed, speed);
  ClearInput();
  state_.previous = std::move(state_.target);
  state_.previousAllowed = true;
  state_.previousTextLine = state_.textLine;
  DrillAnswer answer{state_.previous,       correct, typingMs, keys, mistakes,
                     options.caseSensitive, {},      slip};
  if (const RecallCue* cue = state_.recall.Cue()) answer.cue = {cue->Level(), true, cue->Hints()};
  state_.firstKeyTime = -1;
  // An Enter on an empty box moves on, but is no answer: nothing is kept,
  // graded or counted.
  const bool anAnswer = !typedText.empty();
  std::optional<std::int64_t> answered;
  if (anAnswer && Reviewing()) {
    answered = SentenceKey(state_.previous);
    reviewOrder_.Answered(*answered, correct, state_.marks.Pool().Count());
  }
  // The learning step after it, at every level: Fade as You Learn shows
  // the sentence at it next, and the fixed levels once it was answered
  // right.
  if (anAnswer) {
    state_.recall.Answered(SentenceKey(state_.previous), answer.cue.level,
                           ResultOf(correct, answer.cue.hints, slip), Today());
  }
  // The answer is kept first, then the next sentence is picked: in review
  // order, from the state after this answer, which the keeper hands back.
  if (anAnswer && keepAnswer_) {
    std::optional<KeyedReview> kept;
    {
      const CallingOut out(*this);
      kept = keepAnswer_(answer);
    }
    if (kept && NeedsReviews()) reviewOrder_.Update(kept->key, kept->review);
  }
  // The right sentence, heard after each answer.
  if (anAnswer && options.speakAfterEnter) SayAloud(state_.previous);
  // In text order a sentence answered wrong comes again at once.
  const bool again = anAnswer && !correct && options.order == SentenceOrder::InTextOrder;
  PutSentence(again ? state_.previous : PickNext(answered));
  CountReviews();
  const std::string reviewLine =
      state_.shownReviewCounts ? ReviewLine(*state_.shownReviewCounts) + " " : "";
  Say(Args(Tr("Drill", "%1 %2Next: %3"), {result, reviewLine, NextSpoken()}));
  Refresh();
  return anAnswer;
}

void Drill::OnKeyDown(std::uint16_t virtualKey) {
  Entered();
  if (!state_.fileOpen) return;
  if (virtualKey == vk::kControl) RestorePrevious();
  const bool navigation = (virtualKey >= vk::kPageUp && virtualKey <= vk::kDown) ||
                          virtualKey == vk::kInsert || virtualKey == vk::kDelete;
  if (navigation) Play(Cue::Hepp);
}

}  // namespace dru
