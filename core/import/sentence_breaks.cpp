// Sentences by Unicode's rules (FindSentenceEnds, or ICU's iterator for
// what that leaves to it), with the exceptions applied here: ICU's own
// filter misses the next sentence end after an exception it applied.
#include "core/import/sentence_breaks.h"

#include <unicode/ubrk.h>
#include <unicode/ures.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>

#include <algorithm>

#include "core/import/sentence_rules.h"

namespace dru {
namespace {

struct ExtraExceptions {
  std::string_view language;
  std::string_view words;  // separated by spaces
};

// Abbreviations that ICU's lists leave out and that hardly ever end a
// sentence; multi-part ones ("z. B.") are matched part by part.
constexpr ExtraExceptions kExtra[] = {
    {"en",
     "Dr. Drs. Mr. Mrs. Ms. Prof. Rev. Gen. Col. Capt. Lt. Sgt. e.g. i.e. cf. vs. approx. "
     "Fig. Figs."},
    {"de", "z. B. d. h. u. a. Dr. Prof. Nr. bzw. ca. vgl. S. s. Hr. Fr. St. evtl. ggf. inkl. Jh."},
    {"fr", "Dr. Pr. Mme. Mlle. p. cf. env. av. apr. ex."},
    {"es", "Dr. Dra. Sr. Sra. Srta. p. pág. aprox."},
    {"pl", "np. tzn. tj. ul. prof. dr. nr. ok. godz. r. w. im. ks. św. tzw. m.in."},
    {"it", "Dott. Sig. ecc. pag."},
    {"pt", "Sr. Sra. Dr. Dra."},
};

// Abbreviations in ICU's lists that as often end a sentence: a time of
// day, "etc.".
constexpr std::string_view kSentenceEnds[] = {"a.m.", "p.m.", "A.M.", "P.M.", "etc.", "Etc."};

// Languages that write "3." for "third".
constexpr std::string_view kOrdinalDots[] = {"de", "pl", "cs", "sk", "da", "nb", "nn", "no", "fi",
                                             "hu", "tr", "is", "et", "lv", "sl", "hr", "sr", "bs"};

std::string BaseLanguage(const std::string& language) {
  return language.substr(0, language.find_first_of("_-@."));
}

// ICU's list of the language's abbreviations after which no sentence
// ends; none where ICU has none for it (not another language's).
std::vector<std::string> IcuExceptions(const std::string& language) {
  std::vector<std::string> words;
  UErrorCode status = U_ZERO_ERROR;
  UResourceBundle* bundle = ures_open(U_ICUDATA_NAME "-brkitr", language.c_str(), &status);
  if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) {
    ures_close(bundle);
    return words;
  }
  UResourceBundle* exceptions = ures_getByKey(bundle, "exceptions", nullptr, &status);
  UResourceBundle* list = ures_getByKey(exceptions, "SentenceBreak", nullptr, &status);
  while (U_SUCCESS(status) && ures_hasNext(list)) {
    int32_t length = 0;
    const UChar* word = ures_getNextString(list, &length, nullptr, &status);
    if (U_FAILURE(status)) break;
    char utf8[128];
    int32_t written = 0;
    UErrorCode convert = U_ZERO_ERROR;
    u_strToUTF8(utf8, sizeof utf8, &written, word, length, &convert);
    if (U_SUCCESS(convert) && written < static_cast<int32_t>(sizeof utf8))
      words.emplace_back(utf8, static_cast<std::size_t>(written));
  }
  ures_close(list);
  ures_close(exceptions);
  ures_close(bundle);
  return words;
}

bool IsAsciiAlnum(char c) noexcept {
  return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

}  // namespace

SentenceBreaks::SentenceBreaks(const std::string& language) {
  const std::string base = BaseLanguage(language);
  exceptions_ = IcuExceptions(base);
  for (const auto& extra : kExtra) {
    if (extra.language != base) continue;
    for (std::size_t at = 0; at < extra.words.size();) {
      const std::size_t end = std::min(extra.words.find(' ', at), extra.words.size());
      exceptions_.emplace_back(extra.words.substr(at, end - at));
      at = end + 1;
    }
  }
  for (const std::string& word : exceptions_) {
    if (word.empty() || word.back() != '.' ||
        std::find(std::begin(kSentenceEnds), std::end(kSentenceEnds), word) !=
            std::end(kSentenceEnds))
      continue;
    exceptionSet_.insert(word);
    longestException_ = std::max(longestException_, word.size());
  }
  ordinalDots_ =
      std::find(std::begin(kOrdinalDots), std::end(kOrdinalDots), base) != std::end(kOrdinalDots);
  UErrorCode status = U_ZERO_ERROR;
  breaks_ = ubrk_open(UBRK_SENTENCE, base.c_str(), nullptr, 0, &status);
  if (U_FAILURE(status)) breaks_ = nullptr;
}

SentenceBreaks::~SentenceBreaks() {
  if (breaks_ != nullptr) ubrk_close(breaks_);
  if (text_ != nullptr) utext_close(text_);
}

bool SentenceBreaks::GoesOn(std::string_view before) const {
  while (!before.empty() && before.back() == ' ')
    before.remove_suffix(1);
  if (before.size() < 2 || before.back() != '.') return false;
  // The abbreviation is the last word, or the last two or three ("z. B."),
  // whole, an opening bracket or quote before it aside.
  std::size_t end = before.size();
  for (int words = 0; words < 3; ++words) {
    const std::size_t space = before.rfind(' ', end - 1);
    std::size_t start = space == std::string_view::npos ? 0 : space + 1;
    while (start < before.size() && !IsAsciiAlnum(before[start]) &&
           static_cast<unsigned char>(before[start]) < 0x80)
      ++start;
    if (before.size() - start <= longestException_ && exceptionSet_.contains(before.substr(start)))
      return true;
    if (space == std::string_view::npos || space == 0) break;
    end = space;
  }
  if (!ordinalDots_) return false;
  // One to three digits standing alone: "am 3. Mai", not the year 1990.
  std::size_t digits = 0;
  while (digits + 1 < before.size() && before[before.size() - 2 - digits] >= '0' &&
         before[before.size() - 2 - digits] <= '9')
    ++digits;
  const std::size_t start = before.size() - 1 - digits;
  return digits >= 1 && digits <= 3 && (start == 0 || before[start - 1] == ' ');
}

void SentenceBreaks::Cut(std::string_view paragraph,
                         const std::function<bool(std::string_view)>& each) {
  if (!FindSentenceEnds(paragraph, ends_)) IcuEnds(paragraph);
  std::size_t start = 0;
  for (const std::size_t end : ends_) {
    if (end < paragraph.size() && GoesOn(paragraph.substr(start, end - start))) continue;
    if (!each(paragraph.substr(start, end - start))) return;
    start = end;
  }
}

void SentenceBreaks::IcuEnds(std::string_view paragraph) {
  ends_.clear();
  UErrorCode status = U_ZERO_ERROR;
  if (breaks_ != nullptr) {
    text_ =
        utext_openUTF8(text_, paragraph.data(), static_cast<int64_t>(paragraph.size()), &status);
    ubrk_setUText(breaks_, text_, &status);
  }
  if (breaks_ != nullptr && U_SUCCESS(status)) {
    for (int32_t at = ubrk_next(breaks_); at != UBRK_DONE; at = ubrk_next(breaks_))
      ends_.push_back(static_cast<std::size_t>(at));
  }
  if (ends_.empty() || ends_.back() != paragraph.size()) ends_.push_back(paragraph.size());
}

}  // namespace dru
