#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/recall/recall_level.h"
#include "core/recall/words.h"
#include "core/text/text_encoding.h"

namespace dru {

// A line as recall reads it: the part to type, up to the first TAB, and
// the prompt after it (a translation, a question), shown and never typed.
struct PromptedLine {
  std::string_view part;
  std::string_view prompt;  // "": the line has no TAB
};
PromptedLine SplitPrompt(std::string_view line) noexcept;

// RecallCue: what is shown of a sentence typed from memory. The characters
// typed right so far show as they are; the rest shows at the cue's level:
// - every other word: the 2nd, 4th, ... word as one '_' a character;
// - first letters: each word as its first character;
// - prompt only: nothing from the first hidden word on but "…" (a line
//   without a prompt shows its first two words);
// - listening: nothing from the first hidden word on but "…", prompt or
//   none: the sentence is heard.
// Spaces and punctuation always show. A hint shows the next hidden word.
class RecallCue {
 public:
  static constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

  RecallCue() = default;
  RecallCue(std::string_view line, CueLevel level, TextEncoding encoding);

  CueLevel Level() const noexcept { return level_; }
  const std::string& Part() const noexcept { return part_; }
  const std::string& Prompt() const noexcept { return prompt_; }
  int Hints() const noexcept { return hints_; }

  // The part as shown with its first matched characters typed right, in
  // the part's encoding; at most about maxBytes of it.
  std::string Shown(std::size_t matched, std::size_t maxBytes = kAll) const;
  // The same as a screen reader says it, in UTF-8: a hidden word as
  // "blank" in the reader's language.
  std::string Spoken(std::size_t matched, std::size_t maxBytes = kAll) const;
  // Shows the first hidden word after the first matched characters, and
  // returns it; "" when no word is hidden.
  std::string Hint(std::size_t matched);

 private:
  bool Visible(std::size_t word) const noexcept;
  std::string Walk(std::size_t matched, std::size_t maxBytes, bool spoken) const;

  CueLevel level_ = CueLevel::WholeSentence;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  std::string part_;
  std::string prompt_;
  std::vector<WordSpan> words_;
  std::vector<bool> hinted_;
  int hints_ = 0;
};

}  // namespace dru
