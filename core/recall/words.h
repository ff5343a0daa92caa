#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/text/text_encoding.h"

namespace dru {

// A word of a sentence, in bytes of its text, and where its first letter
// ends: a whole grapheme ("é" written as "e" and a combining accent).
struct WordSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t firstEnd = 0;
  friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

// The words of text by Unicode's word-break rules (ICU's, with its
// dictionaries, so that Chinese, Japanese and Thai are split too): runs of
// letters, digits, kana or ideographs; the spaces and punctuation between
// them are no words. At most the first maxBytes of text are looked at.
std::vector<WordSpan> FindWords(std::string_view text, TextEncoding encoding,
                                std::size_t maxBytes = 1 << 16);

}  // namespace dru
