#include "core/text/cp1252_case.h"

#include <array>

namespace dru {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; the rest equal their byte.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[c] = static_cast<unsigned char>(c);
  for (int c = 'a'; c <= 'z'; ++c)
    table[c] = static_cast<unsigned char>(c - 0x20);
  // à..þ fold to À..Þ, except ÷ (0xF7), which is no letter.
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 0x20);
  }
  table[0x9A] = 0x8A;  // š -> Š
  table[0x9C] = 0x8C;  // œ -> Œ
  table[0x9E] = 0x8E;  // ž -> Ž
  table[0xFF] = 0x9F;  // ÿ -> Ÿ
  return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

unsigned char FoldAscii(unsigned char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 0x20) : c;
}

template <unsigned char (*Fold)(unsigned char) noexcept>
bool EqualFolded(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y && Fold(x) != Fold(y)) return false;
  }
  return true;
}

}  // namespace

unsigned char FoldCp1252(unsigned char c) noexcept {
  return kFold[c];
}

bool EqualIgnoringCp1252Case(std::string_view a, std::string_view b) noexcept {
  return EqualFolded<FoldCp1252>(a, b);
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
  return EqualFolded<FoldAscii>(a, b);
}

char16_t Cp1252CodePoint(unsigned char byte) noexcept {
  return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : char16_t(byte);
}

unsigned char Cp1252Byte(char16_t code) noexcept {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
  }
  return '?';
}

}  // namespace dru
