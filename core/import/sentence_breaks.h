#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

struct UBreakIterator;
struct UText;

namespace dru {

// Cuts a paragraph into sentences by Unicode's sentence rules, except after
// the abbreviations of the text's language: ICU's own list for the
// language (its "standard" exceptions) and a few more, such as "Dr." in
// English; and, in languages that write ordinal numbers with a full stop
// ("am 3. Mai"), after such a number.
class SentenceBreaks {
 public:
  explicit SentenceBreaks(const std::string& language);
  SentenceBreaks(const SentenceBreaks&) = delete;
  SentenceBreaks& operator=(const SentenceBreaks&) = delete;
  ~SentenceBreaks();

  // Calls each with every sentence of paragraph (valid UTF-8, no line
  // breaks), in order, trailing blanks included, until
  // each returns false.
  void Cut(std::string_view paragraph, const std::function<bool(std::string_view)>& each);

 private:
  // True when the text before a break ends in an abbreviation or an
  // ordinal number, so that the sentence goes on.
  bool GoesOn(std::string_view before) const;
  // The sentence ends of paragraph by ICU's iterator, into ends_.
  void IcuEnds(std::string_view paragraph);

  std::vector<std::string> exceptions_;
  std::unordered_set<std::string_view> exceptionSet_;  // views into exceptions_
  std::size_t longestException_ = 0;
  bool ordinalDots_ = false;
  std::vector<std::size_t> ends_;
  UBreakIterator* breaks_ = nullptr;
  UText* text_ = nullptr;
};

}  // namespace dru
