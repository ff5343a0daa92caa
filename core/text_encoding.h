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

// How many characters bytes hold: the bytes themselves in Windows-1252,
// the code points in UTF-8 (a byte that starts no sequence counts alone).
std::size_t CharacterCount(std::string_view bytes, TextEncoding encoding) noexcept;

// A UTF-8 text folded by Unicode's rules for caseless matching.
std::string FoldUnicodeCase(std::string_view text);

// Whole-string equality of UTF-8 texts after Unicode case folding, so that
// "É" matches "é" and "Straße" matches "STRASSE".
bool EqualIgnoringUnicodeCase(std::string_view a, std::string_view b);

}  // namespace dru
