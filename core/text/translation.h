#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace dru {

// Where the program's own texts find their translation. The window installs
// one that asks its translation files; without one, or without an entry,
// the English text stands.
class Catalogue {
 public:
  virtual ~Catalogue() = default;
  // The UTF-8 translation of source, or nothing. count >= 0 picks a plural
  // form; %n is left in place.
  virtual std::optional<std::string> Find(const char* context, const char* source,
                                          const char* disambiguation, int count) const = 0;
};

// Installed once at start-up, before any text is composed; nullptr for
// English.
void UseCatalogue(const Catalogue* catalogue);
// True while a translation is in use.
bool Translated();

// The text in the reader's language, with %n replaced by count. An English
// text names its plural with "(s)": "%n sentence(s)" is "1 sentence" and
// "2 sentences". The translation tools find each call by its name.
std::string Tr(const char* context, const char* source, const char* disambiguation = nullptr,
               int count = -1);

// Marks a text for translation where it is only named, in a table; Tr
// translates it where it is shown.
#define DRU_TR_NOOP(context, source) source

// A count as the plural rules take it: 0 to the largest int.
inline int PluralCount(std::int64_t count) noexcept {
  return count < 0 ? 0 : count > INT32_MAX ? INT32_MAX : static_cast<int>(count);
}

// "%1 of %2" with each %k replaced by the k-th argument; a translation may
// put them in any order.
std::string Args(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace dru
