#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dru {

// The two encodings of sentence files: one byte a character, or UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

// A UTF-8 continuation byte (10xxxxxx): it belongs to the character
// before it.
constexpr bool IsContinuationByte(char byte) noexcept {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where the character at index starts in text (text's size past its end).
std::size_t ByteOffset(std::string_view text, std::size_t index, TextEncoding encoding) noexcept;

// The part of a text that a summary quotes: up to length characters from a
// little before character index.
struct Span {
  std::size_t start = 0;  // in bytes
  std::size_t size = 0;
  bool cutBefore = false;
  bool cutAfter = false;
};
Span QuotedSpan(std::string_view text, std::size_t index, TextEncoding encoding,
                std::size_t length = 40) noexcept;

// How many characters bytes hold: the bytes themselves in Windows-1252,
// the code points in UTF-8 (a byte that starts no sequence counts alone).
std::size_t CharacterCount(std::string_view bytes, TextEncoding encoding) noexcept;

// How letter case is folded: by Unicode's default rules, or by the Turkic
// ones, where I pairs with dotless ı and İ with i.
enum class CaseFolding { Default, Turkic };

// Turkic folding is used when the sentence holds İ or ı, or the desktop's
// language (LC_ALL, else LC_CTYPE, else LANG) is Turkish or Azerbaijani.
CaseFolding FoldingFor(std::string_view sentence);

// A UTF-8 text folded by Unicode's rules for caseless matching.
std::string FoldUnicodeCase(std::string_view text, CaseFolding folding = CaseFolding::Default);

// Whole-string equality of UTF-8 texts after Unicode case folding, so that
// "É" matches "é" and "Straße" matches "STRASSE".
bool EqualIgnoringUnicodeCase(std::string_view a, std::string_view b,
                              CaseFolding folding = CaseFolding::Default);

// text as UTF-8: itself in UTF-8; in Windows-1252 each byte as its
// character (see Cp1252CodePoint).
std::string AsUtf8(std::string_view text, TextEncoding encoding);
// One Windows-1252 byte's character, appended to utf8.
void AppendAsUtf8(std::string& utf8, char cp1252Byte);
// A code point appended to utf8; NUL, a surrogate or one beyond U+10FFFF
// as U+FFFD.
void AppendCodePoint(std::string& utf8, char32_t code);

// text in Unicode's composed normal form (NFC), so that a precomposed "é"
// and "e" followed by a combining acute are the same: text itself when it
// is in NFC already, or the composed text kept in storage. Text that is not
// valid UTF-8 comes back as it is.
std::string_view ComposedForm(std::string_view text, std::string& storage);

}  // namespace dru
