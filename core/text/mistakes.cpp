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

// A shortest alignment of two texts, character by character: the fewest
// edits that turn the expected text into the typed one, a replaced
// character counting once (edit distance), found within a band of
// kMostDifferences on either side of the diagonal: past that the texts are
// too unlike for a listing to help.
class Alignment {
 public:
  Alignment(std::string_view typed, std::string_view expected, TextEncoding encoding,
            bool caseSensitive, CaseFolding folding)
      : typed_(typed),
        expected_(expected),
        a_(Characters(typed, encoding, kAlignLimit)),
        b_(Characters(expected, encoding, kAlignLimit)),
        caseSensitive_(caseSensitive),
        foldedA_(Folded(a_, encoding, folding)),
        foldedB_(Folded(b_, encoding, folding)) {}

  // Works out the costs; false when the texts are too long or too unlike.
  bool Measure() {
    const std::size_t n = a_.size();
    const std::size_t m = b_.size();
    if (n > kAlignLimit || m > kAlignLimit) return false;
    if ((n > m ? n - m : m - n) > kMostDifferences) return false;
    band_ = std::min(kMostDifferences, std::max(n, m));
    width_ = 2 * band_ + 1;
    cost_.assign((n + 1) * width_, kFar);
    for (std::size_t i = 0; i <= n; ++i) {
      const std::size_t from = i > band_ ? i - band_ : 0;
      const std::size_t to = std::min(m, i + band_);
      for (std::size_t j = from; j <= to; ++j) {
        std::uint32_t best = kFar;
        if (i == 0 && j == 0) best = 0;
        if (i > 0 && j > 0)
          best = std::min(best, Get(i - 1, j - 1) + (Same(i - 1, j - 1) ? 0u : 1u));
        if (i > 0) best = std::min(best, Get(i - 1, j) + 1);
        if (j > 0) best = std::min(best, Get(i, j - 1) + 1);
        At(i, j) = static_cast<std::uint16_t>(std::min<std::uint32_t>(best, kFar));
      }
    }
    return Get(n, m) <= kMostDifferences;
  }

  // The steps, back from the end. Where a gap costs as much as an equal
  // pair, the gap is taken, so that of two equal characters the later one
  // is the one typed twice or left out.
  std::vector<Step> Steps() const {
    std::vector<Step> backwards;
    std::size_t i = a_.size();
    std::size_t j = b_.size();
    while (i > 0 || j > 0) {
      const std::uint32_t here = Get(i, j);
      const bool equal = i > 0 && j > 0 && Same(i - 1, j - 1);
      const bool diagonal = i > 0 && j > 0 && Get(i - 1, j - 1) + (equal ? 0u : 1u) == here;
      const bool missing = j > 0 && Get(i, j - 1) + 1 == here;
      const bool extra = i > 0 && Get(i - 1, j) + 1 == here;
      if (diagonal && !equal) {
        --i;
        --j;
        backwards.push_back({Step::Kind::Wrong, InTyped(i), InExpected(j)});
      } else if (missing) {
        --j;
        backwards.push_back({Step::Kind::Missing, {}, InExpected(j)});
      } else if (extra) {
        --i;
        backwards.push_back({Step::Kind::Extra, InTyped(i), {}});
      } else {
        --i;
        --j;
        backwards.push_back({Step::Kind::Same, InTyped(i), InExpected(j)});
      }
    }
    return {backwards.rbegin(), backwards.rend()};
  }

 private:
  static constexpr std::uint16_t kFar = 0xFFFF;

  // Each character folded once, where case does not count: the alignment
  // compares many pairs.
  std::vector<std::string> Folded(const std::vector<std::string_view>& characters,
                                  TextEncoding encoding, CaseFolding folding) const {
    std::vector<std::string> folded;
    if (caseSensitive_ || characters.size() > kAlignLimit) return folded;
    folded.reserve(characters.size());
    for (const std::string_view c : characters) {
      if (encoding == TextEncoding::Utf8) {
        folded.push_back(FoldUnicodeCase(c, folding));
      } else {
        folded.emplace_back(1, static_cast<char>(FoldAsciiByte(static_cast<unsigned char>(c[0]))));
      }
    }
    return folded;
  }
  bool Same(std::size_t i, std::size_t j) const {
    return a_[i] == b_[j] || (!caseSensitive_ && foldedA_[i] == foldedB_[j]);
  }
  // The cost of typed[0, i) against expected[0, j); kFar outside the band.
  std::uint16_t& At(std::size_t i, std::size_t j) { return cost_[i * width_ + (j + band_ - i)]; }
  std::uint32_t Get(std::size_t i, std::size_t j) const {
    return j + band_ < i || j > i + band_ ? kFar : cost_[i * width_ + (j + band_ - i)];
  }
  TextRange InTyped(std::size_t k) const {
    return {static_cast<std::size_t>(a_[k].data() - typed_.data()), a_[k].size()};
  }
  TextRange InExpected(std::size_t k) const {
    return {static_cast<std::size_t>(b_[k].data() - expected_.data()), b_[k].size()};
  }

  std::string_view typed_;
  std::string_view expected_;
  std::vector<std::string_view> a_;
  std::vector<std::string_view> b_;
  bool caseSensitive_;
  std::vector<std::string> foldedA_;
  std::vector<std::string> foldedB_;
  std::size_t band_ = 0;
  std::size_t width_ = 0;
  std::vector<std::uint16_t> cost_;
};

}  // namespace

Comparison CompareTexts(std::string_view typed, std::string_view expected, TextEncoding encoding,
                        bool caseSensitive, CaseFolding folding) {
  Comparison result;
  result.commonPrefix = CommonPrefix(typed, expected, encoding, caseSensitive, folding);
  Alignment alignment(typed, expected, encoding, caseSensitive, folding);
  if (!alignment.Measure()) {
    result.aligned = false;
    return result;
  }
  result.steps = alignment.Steps();
  for (const Step& step : result.steps) {
    if (step.kind != Step::Kind::Same) ++result.mistakes;
  }
  return result;
}

}  // namespace dru
