#pragma once

#include <string_view>

namespace dru {

// Letter case of the Windows-1252 character set, the single-byte set in
// which sentence files are read, shown and typed.

// Maps every letter of the set to its upper-case form; other bytes map to
// themselves. Covers ASCII, the Latin-1 letters and the pairs Š/š, Œ/œ,
// Ž/ž and Ÿ/ÿ.
unsigned char FoldCp1252(unsigned char c) noexcept;

// The Unicode code point of a byte; the five bytes the set leaves
// undefined map to the C1 control characters of the same value.
char16_t Cp1252CodePoint(unsigned char byte) noexcept;
// The byte of a code point, or '?' when the set has none.
unsigned char Cp1252Byte(char16_t code) noexcept;

// Whole-string equality ignoring Windows-1252 letter case.
bool EqualIgnoringCp1252Case(std::string_view a, std::string_view b) noexcept;

// Whole-string equality ignoring the case of the ASCII letters only.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept;

}  // namespace dru
