#include "text_encoding.h"

#include <unicode/ucasemap.h>

#include <algorithm>
#include <memory>
#include <string>

#include "cp1252_case.h"

namespace dru {
namespace {

bool IsAscii(std::string_view bytes) noexcept {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct CaseMapCloser {
  void operator()(UCaseMap* map) const noexcept { ucasemap_close(map); }
};

}  // namespace

std::string FoldUnicodeCase(std::string_view text) {
  static const std::unique_ptr<UCaseMap, CaseMapCloser> caseMap = [] {
    UErrorCode status = U_ZERO_ERROR;
    return std::unique_ptr<UCaseMap, CaseMapCloser>(
        ucasemap_open("", U_FOLD_CASE_DEFAULT, &status));
  }();
  std::string folded(text.size() + text.size() / 2 + 4, '\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucasemap_utf8FoldCase(caseMap.get(), folded.data(), static_cast<int32_t>(folded.size()),
                              text.data(), static_cast<int32_t>(text.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      folded.resize(static_cast<std::size_t>(length));
      continue;
    }
    if (U_FAILURE(status)) return std::string(text);  // compared as they stand
    folded.resize(static_cast<std::size_t>(length));
    return folded;
  }
}

std::size_t CharacterCount(std::string_view bytes, TextEncoding encoding) noexcept {
  if (encoding == TextEncoding::Windows1252) return bytes.size();
  const auto continuations = std::count_if(bytes.begin(), bytes.end(), IsContinuationByte);
  return bytes.size() - static_cast<std::size_t>(continuations);
}

bool EqualIgnoringUnicodeCase(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (IsAscii(a) && IsAscii(b)) return EqualIgnoringAsciiCase(a, b);
  return FoldUnicodeCase(a) == FoldUnicodeCase(b);
}

}  // namespace dru
