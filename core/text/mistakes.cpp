#include "core/text/mistakes.h"

#include <algorithm>
#include <cstdint>

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

unsigned char FoldAsciiByte(unsigned char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
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
  // Each character folded once, where case does not count: the alignment
  // below compares many pairs.
  auto foldedAll = [&](const std::vector<std::string_view>& characters) {
    std::vector<std::string> folded;
    if (caseSensitive || characters.size() > kAlignLimit) return folded;
    folded.reserve(characters.size());
    for (const std::string_view c : characters) {
      if (encoding == TextEncoding::Utf8) {
        folded.push_back(FoldUnicodeCase(c, folding));
      } else {
        folded.emplace_back(1, static_cast<char>(FoldAsciiByte(static_cast<unsigned char>(c[0]))));
      }
    }
    return folded;
  };
  const std::vector<std::string> foldedA = foldedAll(a);
  const std::vector<std::string> foldedB = foldedAll(b);
  auto same = [&](std::size_t i, std::size_t j) {
    return a[i] == b[j] || (!caseSensitive && foldedA[i] == foldedB[j]);
  };
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  result.commonPrefix = CommonPrefix(typed, expected, encoding, caseSensitive, folding);
  if (n > kAlignLimit || m > kAlignLimit) {
    result.aligned = false;
    return result;
  }

  // The fewest edits that turn the expected text into the typed one, a
  // replaced character counting once (edit distance), found within a band
  // of kMostDifferences on either side of the diagonal: past that the texts
  // are too unlike for a listing to help.
  if ((n > m ? n - m : m - n) > kMostDifferences) {
    result.aligned = false;
    return result;
  }
  const std::size_t band = std::min(kMostDifferences, std::max(n, m));
  const std::size_t width = 2 * band + 1;
  constexpr std::uint16_t kFar = 0xFFFF;
  std::vector<std::uint16_t> cost((n + 1) * width, kFar);
  // The cost of typed[0, i) against expected[0, j); kFar outside the band.
  auto at = [&](std::size_t i, std::size_t j) -> std::uint16_t& {
    return cost[i * width + (j + band - i)];
  };
  auto get = [&](std::size_t i, std::size_t j) -> std::uint32_t {
    return j + band < i || j > i + band ? kFar : at(i, j);
  };
  for (std::size_t i = 0; i <= n; ++i) {
    const std::size_t from = i > band ? i - band : 0;
    const std::size_t to = std::min(m, i + band);
    for (std::size_t j = from; j <= to; ++j) {
      std::uint32_t best = kFar;
      if (i == 0 && j == 0) best = 0;
      if (i > 0 && j > 0) best = std::min(best, get(i - 1, j - 1) + (same(i - 1, j - 1) ? 0u : 1u));
      if (i > 0) best = std::min(best, get(i - 1, j) + 1);
      if (j > 0) best = std::min(best, get(i, j - 1) + 1);
      at(i, j) = static_cast<std::uint16_t>(std::min<std::uint32_t>(best, kFar));
    }
  }
  if (get(n, m) > kMostDifferences) {
    result.aligned = false;
    return result;
  }

  // Back from the end. Where a gap costs as much as an equal pair, the gap
  // is taken, so that of two equal characters the later one is the one
  // typed twice or left out.
  auto inTyped = [&](std::size_t k) {
    return TextRange{static_cast<std::size_t>(a[k].data() - typed.data()), a[k].size()};
  };
  auto inExpected = [&](std::size_t k) {
    return TextRange{static_cast<std::size_t>(b[k].data() - expected.data()), b[k].size()};
  };
  std::vector<Step> backwards;
  std::size_t i = n;
  std::size_t j = m;
  while (i > 0 || j > 0) {
    const std::uint32_t here = get(i, j);
    const bool equal = i > 0 && j > 0 && same(i - 1, j - 1);
    const bool diagonal = i > 0 && j > 0 && get(i - 1, j - 1) + (equal ? 0u : 1u) == here;
    const bool missing = j > 0 && get(i, j - 1) + 1 == here;
    const bool extra = i > 0 && get(i - 1, j) + 1 == here;
    if (diagonal && !equal) {
      --i;
      --j;
      backwards.push_back({Step::Kind::Wrong, inTyped(i), inExpected(j)});
    } else if (missing) {
      --j;
      backwards.push_back({Step::Kind::Missing, {}, inExpected(j)});
    } else if (extra) {
      --i;
      backwards.push_back({Step::Kind::Extra, inTyped(i), {}});
    } else {
      --i;
      --j;
      backwards.push_back({Step::Kind::Same, inTyped(i), inExpected(j)});
    }
  }
  result.steps.assign(backwards.rbegin(), backwards.rend());
  for (const Step& step : result.steps) {
    if (step.kind != Step::Kind::Same) ++result.mistakes;
  }
  return result;
}

}  // namespace dru
