#include "core/text/translation.h"

#include <atomic>
#include <vector>

namespace dru {
namespace {

std::atomic<const Catalogue*> installed{nullptr};

// English's two forms: "(s)" dropped for one, "s" for any other count;
// "(is|are)", and any such pair without blanks, the first for one and the
// second for any other.
std::string EnglishPlural(std::string_view text, int count) {
  std::string english;
  for (std::size_t at = 0;;) {
    const std::size_t open = text.find('(', at);
    const std::size_t close = open == std::string_view::npos ? open : text.find(')', open);
    const std::string_view inside = close == std::string_view::npos
                                        ? std::string_view()
                                        : text.substr(open + 1, close - open - 1);
    const std::size_t bar = inside.find('|');
    const bool pair = bar != std::string_view::npos && inside.find(' ') == std::string_view::npos;
    if (inside != "s" && !pair) {
      if (open == std::string_view::npos) {
        english.append(text.substr(at));
        break;
      }
      english.append(text.substr(at, open + 1 - at));
      at = open + 1;
      continue;
    }
    english.append(text.substr(at, open - at));
    if (pair) {
      english.append(count == 1 ? inside.substr(0, bar) : inside.substr(bar + 1));
    } else if (count != 1) {
      english += 's';
    }
    at = close + 1;
  }
  return english;
}

}  // namespace

void UseCatalogue(const Catalogue* catalogue) {
  installed.store(catalogue, std::memory_order_release);
}

bool Translated() {
  return installed.load(std::memory_order_acquire) != nullptr;
}

std::string Tr(const char* context, const char* source, const char* disambiguation, int count) {
  std::string text;
  const Catalogue* catalogue = installed.load(std::memory_order_acquire);
  if (auto found = catalogue != nullptr ? catalogue->Find(context, source, disambiguation, count)
                                        : std::nullopt) {
    text = std::move(*found);
  } else {
    text = count >= 0 ? EnglishPlural(source, count) : std::string(source);
  }
  if (count < 0) return text;
  const std::string number = std::to_string(count);
  for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
    text.replace(at, 2, number);
    at += number.size();
  }
  return text;
}

std::string Args(std::string_view text, std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> values(arguments);
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    if (text[at] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < values.size()) {
      result += values[static_cast<std::size_t>(next - '1')];
      ++at;
    } else {
      result += text[at];
    }
  }
  return result;
}

}  // namespace dru
