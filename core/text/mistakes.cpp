#include "core/text/mistakes.h"

#include <algorithm>

#include "core/text/cp1252_case.h"

namespace dru {
namespace {

// The characters of text: single bytes, or UTF-8 sequences.
std::vector<std::string_view> Characters(std::string_view text, TextEncoding encoding,
                                         std::size_t limit) {
  std::vector<std::string_view> characters;
  std::size_t i = 0;
  while (i < text.size() && characters.size() <= limit) {
    std::size_t length = 1;
    if (encoding == TextEncoding::Utf8) {
      while (i + length < text.size() && IsContinuationByte(text[i + length]))
        ++length;
    }
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

bool SameCharacter(std::string_view a, std::string_view b, TextEncoding encoding,
                   bool caseSensitive, CaseFolding folding) {
  if (a == b) return true;
  if (caseSensitive) return false;
  return encoding == TextEncoding::Utf8 ? EqualIgnoringUnicodeCase(a, b, folding)
                                        : EqualIgnoringAsciiCase(a, b);
}

// How many characters the texts share from the start. Equal bytes are
// skipped fast; case is looked at only where bytes differ.
std::size_t CommonPrefix(std::string_view a, std::string_view b, TextEncoding encoding,
                         bool caseSensitive, CaseFolding folding) {
  std::size_t at = 0;  // a byte offset where both texts start a character
  for (;;) {
    const auto [endA, endB] = std::mismatch(a.begin() + static_cast<std::ptrdiff_t>(at), a.end(),
                                            b.begin() + static_cast<std::ptrdiff_t>(at), b.end());
    std::size_t differ = static_cast<std::size_t>(endA - a.begin());
    // Back to the start of the character the difference falls in.
    while (encoding == TextEncoding::Utf8 && differ > at && differ < a.size() &&
           IsContinuationByte(a[differ])) {
      --differ;
    }
    if (differ >= a.size() || differ >= b.size() || caseSensitive) {
      return CharacterCount(a.substr(0, differ), encoding);
    }
    const auto one = [&](std::string_view text) {
      return Characters(text.substr(differ), encoding, 0).front();
    };
    const std::string_view charA = one(a);
    const std::string_view charB = one(b);
    if (charA.size() != charB.size() || !SameCharacter(charA, charB, encoding, false, folding)) {
      return CharacterCount(a.substr(0, differ), encoding);
    }
    at = differ + charA.size();
    (void)endB;
  }
}

}  // namespace

Comparison CompareTexts(std::string_view typed, std::string_view expected, TextEncoding encoding,
                        bool caseSensitive, CaseFolding folding) {
  Comparison result;
  const auto a = Characters(typed, encoding, kAlignLimit);
  const auto b = Characters(expected, encoding, kAlignLimit);
  auto same = [&](std::size_t i, std::size_t j) {
    return SameCharacter(a[i], b[j], encoding, caseSensitive, folding);
  };
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  result.commonPrefix = CommonPrefix(typed, expected, encoding, caseSensitive, folding);
  if (n > kAlignLimit || m > kAlignLimit) {
    result.aligned = false;
    return result;
  }

  // Myers' greedy O(ND) search, keeping each round's furthest reaches so
  // that the path can be traced back. Past kMostDifferences the texts are
  // too unlike for a listing to help.
  const auto max = static_cast<std::ptrdiff_t>(std::min(n + m, kMostDifferences));
  const std::ptrdiff_t offset = max + 1;
  std::vector<std::ptrdiff_t> reach(static_cast<std::size_t>(2 * max + 3), 0);
  std::vector<std::vector<std::ptrdiff_t>> rounds;
  std::ptrdiff_t found = -1;
  for (std::ptrdiff_t d = 0; d <= max && found < 0; ++d) {
    for (std::ptrdiff_t k = -d; k <= d; k += 2) {
      const auto at = static_cast<std::size_t>(k + offset);
      std::ptrdiff_t x = (k == -d || (k != d && reach[at - 1] < reach[at + 1])) ? reach[at + 1]
                                                                                : reach[at - 1] + 1;
      std::ptrdiff_t y = x - k;
      while (x < static_cast<std::ptrdiff_t>(n) && y < static_cast<std::ptrdiff_t>(m) &&
             same(static_cast<std::size_t>(x), static_cast<std::size_t>(y))) {
        ++x;
        ++y;
      }
      reach[at] = x;
      if (x >= static_cast<std::ptrdiff_t>(n) && y >= static_cast<std::ptrdiff_t>(m)) found = d;
    }
    rounds.push_back(reach);
  }
  if (found < 0) {  // too many differences to list
    result.aligned = false;
    return result;
  }

  // Back from the end: each round adds one typed (Extra) or one expected
  // (Missing) character, after a run of equal ones.
  std::vector<Step> backwards;
  auto x = static_cast<std::ptrdiff_t>(n);
  auto y = static_cast<std::ptrdiff_t>(m);
  for (std::ptrdiff_t d = found; d >= 0; --d) {
    const auto& previous = d > 0 ? rounds[static_cast<std::size_t>(d - 1)] : rounds[0];
    const std::ptrdiff_t k = x - y;
    const auto at = static_cast<std::size_t>(k + offset);
    const bool down = d > 0 && (k == -d || (k != d && previous[at - 1] < previous[at + 1]));
    const std::ptrdiff_t startX = d == 0 ? 0 : (down ? previous[at + 1] : previous[at - 1] + 1);
    const std::ptrdiff_t startY = startX - k;
    while (x > startX && y > startY) {
      --x;
      --y;
      backwards.push_back(
          {Step::Kind::Same, a[static_cast<std::size_t>(x)], b[static_cast<std::size_t>(y)]});
    }
    if (d == 0) break;
    if (down) {
      --y;
      backwards.push_back({Step::Kind::Missing, {}, b[static_cast<std::size_t>(y)]});
    } else {
      --x;
      backwards.push_back({Step::Kind::Extra, a[static_cast<std::size_t>(x)], {}});
    }
  }
  std::reverse(backwards.begin(), backwards.end());

  // A missing and an extra character side by side are one wrong one.
  for (std::size_t i = 0; i < backwards.size(); ++i) {
    const Step& step = backwards[i];
    if (i + 1 < backwards.size() && step.kind != Step::Kind::Same &&
        backwards[i + 1].kind != Step::Kind::Same && step.kind != backwards[i + 1].kind) {
      const Step& next = backwards[i + 1];
      result.steps.push_back({Step::Kind::Wrong,
                              step.kind == Step::Kind::Extra ? step.typed : next.typed,
                              step.kind == Step::Kind::Missing ? step.expected : next.expected});
      ++i;
    } else {
      result.steps.push_back(step);
    }
    if (result.steps.back().kind != Step::Kind::Same) ++result.mistakes;
  }
  return result;
}

}  // namespace dru
