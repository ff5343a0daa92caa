#include "core/text/translation.h"

#include <atomic>
#include <vector>

namespace dru {
namespace {

std::atomic<const Catalogue*> installed{nullptr};

// English's two forms: "(s)" dropped for one, "s" for any other count.
std::string EnglishPlural(std::string_view text, int count) {
  std::string english;
  for (std::size_t at = 0;;) {
    const std::size_t mark = text.find("(s)", at);
    english.append(text.substr(at, mark == std::string_view::npos ? mark : mark - at));
    if (mark == std::string_view::npos) break;
    if (count != 1) english += 's';
    at = mark + 3;
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
