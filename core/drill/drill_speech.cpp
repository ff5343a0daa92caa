// Sentences said aloud by the speech service: heard at Listen and Type,
// the right one after Enter, and a service that is missing.
#include "core/drill/drill.h"
#include "core/text/text_encoding.h"

namespace dru {

bool Drill::Listening() const noexcept {
  const RecallCue* cue = state_.recall.Cue();
  return state_.fileOpen && cue != nullptr && cue->Level() == CueLevel::Listening;
}

void Drill::SayAgain() {
  Entered();
  if (!Listening()) return;
  SayAloud(state_.target);
  Refresh();
}

void Drill::SetSpeechUnavailable(std::string reason) {
  Entered();
  if (reason == state_.speechUnavailable) return;
  state_.speechUnavailable = std::move(reason);
  // Said once, and the drill goes on.
  if (!state_.speechUnavailable.empty()) {
    SetStatus({StatusReport::Kind::Notice, state_.speechUnavailable, {}, {}, {}});
  }
  Refresh();
}

void Drill::SayAloud(std::string_view sentence) {
  // Nobody listens to a whole huge record; its start is enough. The part
  // before a TAB: a prompt after it is in another language.
  constexpr std::size_t kMostCharacters = 1000;
  sentence = sentence.substr(0, sentence.find('\t'));
  const Span span = QuotedSpan(sentence, 0, state_.encoding, kMostCharacters);
  std::string words = AsUtf8(sentence.substr(0, span.size), state_.encoding);
  // Two in one operation (the right sentence, then the next to be heard)
  // are said one after the other.
  if (state_.aloudPending) {
    state_.aloud += "\n" + words;
  } else {
    state_.aloud = std::move(words);
    ++state_.aloudCount;
  }
  state_.aloudPending = true;
}

}  // namespace dru
