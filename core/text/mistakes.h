#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/text/text_encoding.h"

namespace dru {

// Where a character lies in a text: a step keeps places, not views, so
// that a comparison can be kept and copied apart from the texts it was
// made of (the sentence's text goes when the next sentence comes).
struct TextRange {
  std::size_t at = 0;
  std::size_t size = 0;
  std::string_view In(std::string_view text) const noexcept { return text.substr(at, size); }
};

// One step of the alignment of a typed text against the sentence.
struct Step {
  enum class Kind {
    Same,     // typed as the sentence has it
    Wrong,    // typed, but the sentence has another character there
    Missing,  // in the sentence, not typed
    Extra,    // typed, not in the sentence
  };
  Kind kind;
  TextRange typed;     // the typed character; empty where Missing
  TextRange expected;  // the sentence's character; empty where Extra
};

// What was typed against what was expected, character by character.
struct Comparison {
  std::vector<Step> steps;   // the whole alignment; empty when too long to align
  std::size_t mistakes = 0;  // Wrong, Missing and Extra steps; 0 when not aligned
  // Characters the two texts share from the start: where they first differ.
  std::size_t commonPrefix = 0;
  bool aligned = true;  // false: the texts were too long, only commonPrefix is known
};

// Longest texts, in characters, that are aligned in full; past this, or
// past this many differences, only where the texts first differ is found,
// so that Enter stays quick on a huge record.
inline constexpr std::size_t kAlignLimit = 4000;
inline constexpr std::size_t kMostDifferences = 400;

// A shortest alignment (fewest differences) of typed against expected, by
// characters of encoding; with caseSensitive false, letter case is ignored
// as the drill ignores it: ASCII letters in Windows-1252, Unicode case
// folding in UTF-8. A substitution shows as one Wrong step.
Comparison CompareTexts(std::string_view typed, std::string_view expected, TextEncoding encoding,
                        bool caseSensitive, CaseFolding folding = CaseFolding::Default);

}  // namespace dru
