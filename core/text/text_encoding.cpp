#include "core/text/text_encoding.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/ucasemap.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/text/cp1252_case.h"

namespace dru {
namespace {

bool IsAscii(std::string_view bytes) noexcept {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct CaseMapCloser {
  void operator()(UCaseMap* map) const noexcept { ucasemap_close(map); }
};

using CaseMap = std::unique_ptr<UCaseMap, CaseMapCloser>;

CaseMap OpenCaseMap(std::uint32_t options) {
  UErrorCode status = U_ZERO_ERROR;
  return CaseMap(ucasemap_open("", options, &status));
}

// "tr", "tr_TR.UTF-8", "az_AZ@latin" and the like.
bool IsTurkicLocale(const char* name) {
  const std::string_view locale = name;
  for (std::string_view language : {"tr", "az"}) {
    if (locale.starts_with(language) &&
        (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@')) {
      return true;
    }
  }
  return false;
}

bool TurkicDesktop() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return IsTurkicLocale(value);
  }
  return false;
}

}  // namespace

CaseFolding FoldingFor(std::string_view sentence) {
  // U+0130 (İ) and U+0131 (ı) in UTF-8.
  const bool turkicLetters = sentence.find("\xC4\xB0") != std::string_view::npos ||
                             sentence.find("\xC4\xB1") != std::string_view::npos;
  return turkicLetters || TurkicDesktop() ? CaseFolding::Turkic : CaseFolding::Default;
}

std::string FoldUnicodeCase(std::string_view text, CaseFolding folding) {
  static const CaseMap defaultMap = OpenCaseMap(U_FOLD_CASE_DEFAULT);
  static const CaseMap turkicMap = OpenCaseMap(U_FOLD_CASE_EXCLUDE_SPECIAL_I);
  UCaseMap* const caseMap = (folding == CaseFolding::Turkic ? turkicMap : defaultMap).get();
  std::string folded(text.size() + text.size() / 2 + 4, '\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucasemap_utf8FoldCase(caseMap, folded.data(), static_cast<int32_t>(folded.size()),
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

std::size_t ByteOffset(std::string_view text, std::size_t index, TextEncoding encoding) noexcept {
  if (encoding == TextEncoding::Windows1252) return std::min(index, text.size());
  std::size_t at = 0;
  for (std::size_t count = 0; at < text.size() && count < index; ++count) {
    ++at;
    while (at < text.size() && IsContinuationByte(text[at]))
      ++at;
  }
  return at;
}

Span QuotedSpan(std::string_view text, std::size_t index, TextEncoding encoding,
                std::size_t length) noexcept {
  const std::size_t from = index > length / 4 ? index - length / 4 : 0;
  Span span;
  span.start = ByteOffset(text, from, encoding);
  const std::string_view rest = text.substr(span.start);
  span.size = ByteOffset(rest, length, encoding);
  span.cutBefore = span.start > 0;
  span.cutAfter = span.size < rest.size();
  return span;
}

std::size_t CharacterCount(std::string_view bytes, TextEncoding encoding) noexcept {
  if (encoding == TextEncoding::Windows1252) return bytes.size();
  const auto continuations = std::count_if(bytes.begin(), bytes.end(), IsContinuationByte);
  return bytes.size() - static_cast<std::size_t>(continuations);
}

bool EqualIgnoringUnicodeCase(std::string_view a, std::string_view b, CaseFolding folding) {
  if (a == b) return true;
  // Turkic rules keep I and i apart, even in ASCII.
  if (folding == CaseFolding::Default && IsAscii(a) && IsAscii(b)) {
    return EqualIgnoringAsciiCase(a, b);
  }
  return FoldUnicodeCase(a, folding) == FoldUnicodeCase(b, folding);
}

std::string_view ComposedForm(std::string_view text, std::string& storage) {
  if (IsAscii(text)) return text;
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return text;
  const icu::StringPiece piece(text.data(), static_cast<int32_t>(text.size()));
  if (nfc->isNormalizedUTF8(piece, status) || U_FAILURE(status)) return text;
  std::string composed;
  icu::StringByteSink<std::string> sink(&composed, static_cast<int32_t>(text.size()));
  nfc->normalizeUTF8(0, piece, sink, nullptr, status);
  if (U_FAILURE(status)) return text;
  storage = std::move(composed);
  return storage;
}

void AppendAsUtf8(std::string& utf8, char cp1252Byte) {
  const char16_t code = Cp1252CodePoint(static_cast<unsigned char>(cp1252Byte));
  if (code < 0x80) {
    utf8 += static_cast<char>(code);
  } else if (code < 0x800) {
    utf8 += static_cast<char>(0xC0 | (code >> 6));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    utf8 += static_cast<char>(0xE0 | (code >> 12));
    utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void AppendCodePoint(std::string& utf8, char32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    utf8 += static_cast<char>(code);
  } else if (code < 0x800) {
    utf8 += static_cast<char>(0xC0 | (code >> 6));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    utf8 += static_cast<char>(0xE0 | (code >> 12));
    utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    utf8 += static_cast<char>(0xF0 | (code >> 18));
    utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string AsUtf8(std::string_view text, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return std::string(text);
  std::string utf8;
  utf8.reserve(text.size() + text.size() / 8);
  for (const char byte : text)
    AppendAsUtf8(utf8, byte);
  return utf8;
}

}  // namespace dru
