// Words by ICU's word-break rules, found in the sentence's own bytes.
#include "core/recall/words.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>
#include <string>

namespace dru {
namespace {

// A Windows-1252 text as UTF-8, and where each of its bytes starts there.
std::string AsUtf8(std::string_view text, std::vector<std::size_t>& starts) {
  std::string utf8;
  utf8.reserve(text.size() * 2);
  starts.reserve(text.size() + 1);
  for (const char byte : text) {
    starts.push_back(utf8.size());
    AppendAsUtf8(utf8, byte);
  }
  starts.push_back(utf8.size());
  return utf8;
}

// The code point at at in UTF-8 text, moving at past it; below 0 where the
// bytes are no UTF-8.
UChar32 NextCodePoint(std::string_view text, std::int32_t& at, std::int32_t end) {
  UChar32 c = 0;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
  U8_NEXT(bytes, at, end, c);
#pragma GCC diagnostic pop
  return c;
}

std::vector<WordSpan> Utf8Words(std::string_view text) {
  std::vector<WordSpan> words;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UText, decltype(&utext_close)> utext(
      utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status),
      &utext_close);
  std::unique_ptr<UBreakIterator, decltype(&ubrk_close)> breaks(
      ubrk_open(UBRK_WORD, "", nullptr, 0, &status), &ubrk_close);
  if (U_FAILURE(status)) return words;
  ubrk_setUText(breaks.get(), utext.get(), &status);
  if (U_FAILURE(status)) return words;
  // Where a word's first letter ends: after its first code point, unless
  // that or the next one joins a longer grapheme (an accent, a Hangul
  // syllable in parts, a flag), which ICU's character breaks then find.
  std::unique_ptr<UBreakIterator, decltype(&ubrk_close)> graphemes(nullptr, &ubrk_close);
  const auto firstEnd = [&](std::int32_t begin, std::int32_t end) -> std::int32_t {
    std::int32_t at = begin;
    const UChar32 first = NextCodePoint(text, at, end);
    if (at >= end) return end;
    std::int32_t after = at;
    const UChar32 next = NextCodePoint(text, after, end);
    const auto plain = [](UChar32 c) {
      return c >= 0 && u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK) == U_GCB_OTHER;
    };
    if (plain(first) && plain(next)) return at;
    UErrorCode opened = U_ZERO_ERROR;
    if (!graphemes) {
      graphemes.reset(ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &opened));
      if (U_SUCCESS(opened)) ubrk_setUText(graphemes.get(), utext.get(), &opened);
      if (U_FAILURE(opened)) {
        graphemes.reset();
        return at;
      }
    }
    const std::int32_t found = ubrk_following(graphemes.get(), begin);
    return found > begin ? std::min(found, end) : end;
  };
  // UTF-8 UText indices are byte offsets.
  std::int32_t begin = ubrk_first(breaks.get());
  for (std::int32_t end = ubrk_next(breaks.get()); end != UBRK_DONE;
       begin = end, end = ubrk_next(breaks.get())) {
    if (ubrk_getRuleStatus(breaks.get()) >= UBRK_WORD_NONE_LIMIT) {
      words.push_back({static_cast<std::size_t>(begin), static_cast<std::size_t>(end),
                       static_cast<std::size_t>(firstEnd(begin, end))});
    }
  }
  return words;
}

}  // namespace

std::vector<WordSpan> FindWords(std::string_view text, TextEncoding encoding,
                                std::size_t maxBytes) {
  if (text.size() > maxBytes) {
    std::size_t cut = maxBytes;
    while (encoding == TextEncoding::Utf8 && cut > 0 && IsContinuationByte(text[cut]))
      --cut;
    text = text.substr(0, cut);
  }
  if (encoding == TextEncoding::Utf8) return Utf8Words(text);
  std::vector<std::size_t> starts;
  const std::string utf8 = AsUtf8(text, starts);
  std::vector<WordSpan> words = Utf8Words(utf8);
  // Back to the bytes of the Windows-1252 text.
  for (WordSpan& word : words) {
    word.begin = static_cast<std::size_t>(
        std::lower_bound(starts.begin(), starts.end(), word.begin) - starts.begin());
    word.end = static_cast<std::size_t>(std::lower_bound(starts.begin(), starts.end(), word.end) -
                                        starts.begin());
    word.firstEnd = static_cast<std::size_t>(
        std::lower_bound(starts.begin(), starts.end(), word.firstEnd) - starts.begin());
  }
  return words;
}

}  // namespace dru
