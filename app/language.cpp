#include "app/language.h"

#include <algorithm>
#include <string_view>

namespace dru {
namespace {

// "de_DE.UTF-8@euro" is "de_DE"; "" when nothing is left.
std::string LanguageOf(std::string_view locale) {
  return std::string(locale.substr(0, locale.find_first_of(".@")));
}

// A language's name as translation files are named: letters, digits and
// "_", short. Anything else from the environment is no language, and
// never part of a file's path.
bool IsLanguageName(std::string_view language) {
  constexpr std::size_t kLongest = 32;
  return !language.empty() && language.size() <= kLongest &&
         std::all_of(language.begin(), language.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_';
         });
}

bool IsEnglish(std::string_view language) {
  return language == "C" || language == "POSIX" || language == "en" || language.starts_with("en_");
}

}  // namespace

std::vector<std::string> WantedLanguages(char* (*getenv)(const char*)) {
  std::vector<std::string> asked;
  if (const char* list = getenv("LANGUAGE"); list != nullptr) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      asked.push_back(LanguageOf(rest.substr(0, colon)));
      rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
    }
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* locale = getenv(variable); locale != nullptr && *locale != 0) {
      asked.push_back(LanguageOf(locale));
      break;
    }
  }
  std::vector<std::string> wanted;
  for (std::string& language : asked) {
    if (IsEnglish(language)) break;
    if (IsLanguageName(language)) wanted.push_back(std::move(language));
  }
  return wanted;
}

}  // namespace dru
