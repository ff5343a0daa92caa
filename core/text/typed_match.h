#pragma once

#include <cstddef>
#include <string_view>

#include "core/text/text_encoding.h"

namespace dru {

// How typed text is held against a sentence: its encoding, whether case
// counts, and which case rule applies. Found once per sentence: the case
// rule looks at the whole sentence.
struct MatchRule {
  TextEncoding encoding = TextEncoding::Windows1252;
  bool caseSensitive = true;
  CaseFolding folding = CaseFolding::Default;
};
MatchRule MatchRuleFor(std::string_view target, TextEncoding encoding, bool caseSensitive);

// How far typed matches target, counted in the target's characters (code
// points in UTF-8, bytes in Windows-1252).
struct TypedMatch {
  std::size_t matched = 0;  // characters from the start that typed matches
  // The characters of the target at the first wrong one (a letter and its
  // combining marks count together); 0 while nothing typed is wrong.
  std::size_t wrong = 0;
  bool whole = false;  // typed is the whole target and nothing more
};

// The one rule for "does the typed text match": UTF-8 texts are compared as
// they look (in Unicode's composed form, NFC), ignoring case by Unicode's
// rules where case does not count; Windows-1252 texts byte for byte,
// ignoring the case of A to Z only. It looks at no more of the target than
// typed reaches.
TypedMatch MatchTyped(std::string_view typed, std::string_view target, const MatchRule& rule);

}  // namespace dru
