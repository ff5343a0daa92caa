#include "core/import/sentence_rules.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>

namespace dru {
namespace {

// The sentence break classes the rules tell apart.
enum class Kind : std::uint8_t {
  Other,
  Sp,
  Lower,
  Upper,
  OLetter,
  Numeric,
  ATerm,
  STerm,
  Close,
  SContinue,
  Unhandled
};

Kind KindOfProperty(int property) {
  switch (property) {
    case U_SB_SP:
      return Kind::Sp;
    case U_SB_LOWER:
      return Kind::Lower;
    case U_SB_UPPER:
      return Kind::Upper;
    case U_SB_OLETTER:
      return Kind::OLetter;
    case U_SB_NUMERIC:
      return Kind::Numeric;
    case U_SB_ATERM:
      return Kind::ATerm;
    case U_SB_STERM:
      return Kind::STerm;
    case U_SB_CLOSE:
      return Kind::Close;
    case U_SB_SCONTINUE:
      return Kind::SContinue;
    case U_SB_EXTEND:
    case U_SB_FORMAT:
    case U_SB_SEP:
    case U_SB_CR:
    case U_SB_LF:
      return Kind::Unhandled;
    default:
      return Kind::Other;
  }
}

const std::array<Kind, 128>& AsciiKinds() {
  static const std::array<Kind, 128> kinds = [] {
    std::array<Kind, 128> table{};
    for (int c = 0; c < 128; ++c)
      table[c] = KindOfProperty(u_getIntPropertyValue(c, UCHAR_SENTENCE_BREAK));
    return table;
  }();
  return kinds;
}

bool IsTerm(Kind kind) {
  return kind == Kind::ATerm || kind == Kind::STerm;
}

// Reads a paragraph character by character, by class.
class Reader {
 public:
  explicit Reader(std::string_view text)
      : bytes_(reinterpret_cast<const std::uint8_t*>(text.data())),
        length_(static_cast<std::int32_t>(text.size())),
        ascii_(AsciiKinds()) {}

  std::int32_t Length() const noexcept { return length_; }
  // The class of the character at at, and at moved past it.
  Kind Next(std::int32_t& at) const {
    if (bytes_[at] < 0x80) return ascii_[bytes_[at++]];
    UChar32 c = 0;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
    U8_NEXT(bytes_, at, length_, c);
#pragma GCC diagnostic pop
    return c < 0 ? Kind::Other : KindOfProperty(u_getIntPropertyValue(c, UCHAR_SENTENCE_BREAK));
  }
  // An ASCII byte that is no terminator and needs no second look.
  bool Plain(std::int32_t at) const noexcept {
    const std::uint8_t byte = bytes_[at];
    return byte < 0x80 && !IsTerm(ascii_[byte]) && ascii_[byte] != Kind::Unhandled;
  }
  Kind AsciiKind(std::int32_t at) const noexcept {
    return ascii_[bytes_[at]];
  }

 private:
  const std::uint8_t* bytes_;
  std::int32_t length_;
  const std::array<Kind, 128>& ascii_;
};

}  // namespace

bool FindSentenceEnds(std::string_view text, std::vector<std::size_t>& ends) {
  ends.clear();
  const Reader reader(text);
  const std::int32_t length = reader.Length();
  Kind previous = Kind::Other;  // the class of the character before at
  for (std::int32_t at = 0; at < length;) {
    if (reader.Plain(at)) {
      // Most of a text: skip to the next terminator or non-ASCII byte.
      while (at < length && reader.Plain(at))
        ++at;
      previous = reader.AsciiKind(at - 1);
      if (at == length) break;
    }
    const Kind term = reader.Next(at);
    if (term == Kind::Unhandled) return false;
    if (!IsTerm(term)) {
      previous = term;
      continue;
    }
    // A terminator, then closing marks, then blanks: the sentence ends
    // after them unless a rule says it goes on.
    const Kind before = previous;
    std::int32_t j = at;
    Kind last = term;
    Kind next = Kind::Other;
    std::int32_t afterNext = j;
    bool blanks = false;
    while (j < length) {
      afterNext = j;
      next = reader.Next(afterNext);
      if (next == Kind::Unhandled) return false;
      if ((next == Kind::Close && !blanks) || next == Kind::Sp) {
        blanks = blanks || next == Kind::Sp;
        last = next;
        j = afterNext;
        continue;
      }
      break;
    }
    if (j == length) break;                                 // the text's end ends it anyway
    bool goesOn = next == Kind::SContinue || IsTerm(next);  // SB8a
    if (term == Kind::ATerm && !goesOn) {
      if (j == at) {
        goesOn = next == Kind::Numeric ||                                                    // SB6
                 (next == Kind::Upper && (before == Kind::Upper || before == Kind::Lower));  // SB7
      }
      // SB8: a lower-case letter comes before any other letter.
      for (std::int32_t k = j; !goesOn && k < length;) {
        const Kind kind = reader.Next(k);
        if (kind == Kind::Unhandled) return false;
        if (kind == Kind::OLetter || kind == Kind::Upper || IsTerm(kind)) break;
        goesOn = kind == Kind::Lower;
      }
    }
    if (!goesOn) ends.push_back(static_cast<std::size_t>(j));
    previous = last;
    at = j;
  }
  if (!text.empty()) ends.push_back(text.size());
  return true;
}

}  // namespace dru
