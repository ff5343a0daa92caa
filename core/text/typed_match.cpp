// The one rule that holds typed text against the sentence, for the marks
// while typing and for Enter alike.
#include "core/text/typed_match.h"

#include <unicode/normalizer2.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <string>

#include "core/text/cp1252_case.h"

namespace dru {
namespace {

const icu::Normalizer2* Nfc() {
  static const icu::Normalizer2* const nfc = [] {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* instance = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? instance : nullptr;
  }();
  return nfc;
}

// The length of the character at text[at]; a byte that starts no valid
// sequence is one character.
std::size_t CharacterLength(std::string_view text, std::size_t at, UChar32* value = nullptr) {
  const auto left = static_cast<int32_t>(std::min<std::size_t>(text.size() - at, 4));
  int32_t length = 0;
  UChar32 c = 0;
// ICU's macro narrows its own byte values, knowingly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
  U8_NEXT(text.data() + at, length, left, c);
#pragma GCC diagnostic pop
  if (value != nullptr) *value = c;
  return static_cast<std::size_t>(length);
}

// True where no character can combine with the ones before at: a place
// where the composed form of the text may be cut.
bool BoundaryBefore(std::string_view text, std::size_t at) {
  if (at >= text.size()) return true;
  UChar32 c = 0;
  CharacterLength(text, at, &c);
  const icu::Normalizer2* nfc = Nfc();
  return c < 0 || nfc == nullptr || nfc->hasBoundaryBefore(c);
}

// A piece of UTF-8 text as it is compared: composed, and folded where case
// does not count.
std::string Comparable(std::string_view text, const MatchRule& rule) {
  std::string storage;
  const std::string_view composed = ComposedForm(text, storage);
  if (rule.caseSensitive) return std::string(composed);
  if (rule.folding == CaseFolding::Default &&
      std::all_of(composed.begin(), composed.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string folded(composed);
    for (char& c : folded) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
  }
  return FoldUnicodeCase(composed, rule.folding);
}

TypedMatch MatchBytes(std::string_view typed, std::string_view target, bool caseSensitive) {
  const std::size_t common = std::min(typed.size(), target.size());
  std::size_t at = 0;
  while (at < common &&
         (typed[at] == target[at] ||
          (!caseSensitive && EqualIgnoringAsciiCase(typed.substr(at, 1), target.substr(at, 1))))) {
    ++at;
  }
  TypedMatch match;
  match.matched = at;
  match.wrong = at < typed.size() && at < target.size() ? 1 : 0;
  match.whole = at == target.size() && at == typed.size();
  return match;
}

TypedMatch MatchUtf8(std::string_view typed, std::string_view target, const MatchRule& rule) {
  // Bytes the same in both are the same text, up to a place where the
  // next character of neither text could combine with the one before.
  std::size_t same = static_cast<std::size_t>(
      std::mismatch(
          typed.begin(),
          typed.begin() + static_cast<std::ptrdiff_t>(std::min(typed.size(), target.size())),
          target.begin())
          .first -
      typed.begin());
  auto inCharacter = [&](std::size_t at) {
    return (at < typed.size() && IsContinuationByte(typed[at])) ||
           (at < target.size() && IsContinuationByte(target[at]));
  };
  while (same > 0 &&
         (inCharacter(same) || !BoundaryBefore(typed, same) || !BoundaryBefore(target, same))) {
    --same;
  }
  TypedMatch match;
  match.matched = CharacterCount(target.substr(0, same), TextEncoding::Utf8);
  // The rest of the target, one character and its combining marks at a
  // time, against the rest of typed as a whole.
  const std::string rest = Comparable(typed.substr(same), rule);
  std::size_t offset = 0;
  std::size_t at = same;
  while (at < target.size()) {
    if (offset == rest.size()) return match;  // typing goes on from here
    std::size_t end = at + CharacterLength(target, at);
    while (end < target.size() && !BoundaryBefore(target, end))
      end += CharacterLength(target, end);
    const std::string_view character = target.substr(at, end - at);
    const std::string expected = Comparable(character, rule);
    const std::string_view left = std::string_view(rest).substr(offset);
    if (!left.starts_with(expected)) {
      // Part of it typed ("s" of "ß" folded to "ss") is no mistake yet.
      if (!std::string_view(expected).starts_with(left)) {
        match.wrong = CharacterCount(character, TextEncoding::Utf8);
      }
      return match;
    }
    offset += expected.size();
    match.matched += CharacterCount(character, TextEncoding::Utf8);
    at = end;
  }
  match.whole = offset == rest.size();
  return match;
}

}  // namespace

MatchRule MatchRuleFor(std::string_view target, TextEncoding encoding, bool caseSensitive) {
  MatchRule rule{encoding, caseSensitive, CaseFolding::Default};
  if (encoding == TextEncoding::Utf8 && !caseSensitive) rule.folding = FoldingFor(target);
  return rule;
}

TypedMatch MatchTyped(std::string_view typed, std::string_view target, const MatchRule& rule) {
  if (rule.encoding == TextEncoding::Windows1252) {
    return MatchBytes(typed, target, rule.caseSensitive);
  }
  return MatchUtf8(typed, target, rule);
}

}  // namespace dru
