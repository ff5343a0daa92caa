#include "core/text/cp1252_case.h"

#include <array>

namespace dru {
namespace {

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

}  // namespace dru
