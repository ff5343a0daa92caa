#include "core/import/html_text.h"

#include <charconv>
#include <cstdint>

#include "core/text/text_encoding.h"

namespace dru {
namespace {

struct Entity {
  std::string_view name;
  std::string_view text;
};

constexpr Entity kEntities[] = {
    {"amp", "&"},         {"lt", "<"},          {"gt", ">"},          {"quot", "\""},
    {"apos", "'"},        {"nbsp", "\xC2\xA0"}, {"ndash", "\u2013"},  {"mdash", "\u2014"},
    {"hellip", "\u2026"}, {"laquo", "\u00AB"},  {"raquo", "\u00BB"},  {"lsquo", "\u2018"},
    {"rsquo", "\u2019"},  {"ldquo", "\u201C"},  {"rdquo", "\u201D"},  {"bdquo", "\u201E"},
    {"sbquo", "\u201A"},  {"euro", "\u20AC"},   {"copy", "\u00A9"},   {"deg", "\u00B0"},
    {"shy", ""},          {"zwnj", "\u200C"},   {"zwj", "\u200D"},    {"iexcl", "\u00A1"},
    {"iquest", "\u00BF"}, {"szlig", "\u00DF"},  {"auml", "\u00E4"},   {"ouml", "\u00F6"},
    {"uuml", "\u00FC"},   {"Auml", "\u00C4"},   {"Ouml", "\u00D6"},   {"Uuml", "\u00DC"},
    {"eacute", "\u00E9"}, {"egrave", "\u00E8"}, {"agrave", "\u00E0"}, {"ccedil", "\u00E7"},
    {"ntilde", "\u00F1"}, {"times", "\u00D7"},
};

// The entity at the start of text ("&amp;..."): appended to out, and its
// length; 0 when it is none.
std::size_t AppendEntity(std::string& out, std::string_view text) {
  const std::size_t semicolon = text.find(';', 1);
  if (semicolon == std::string_view::npos || semicolon > 12) return 0;
  const std::string_view name = text.substr(1, semicolon - 1);
  if (name.size() >= 2 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return 0;
    AppendCodePoint(out, static_cast<char32_t>(code));
    return semicolon + 1;
  }
  for (const Entity& entity : kEntities) {
    if (entity.name == name) {
      out += entity.text;
      return semicolon + 1;
    }
  }
  return 0;
}

bool IsAsciiLetter(char c) noexcept {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// The name of the tag at the start of text ("<br/>": "br"), lower case.
std::string TagName(std::string_view tag) {
  std::string name;
  for (std::size_t i = tag[1] == '/' ? 2 : 1; i < tag.size() && IsAsciiLetter(tag[i]); ++i)
    name += static_cast<char>(tag[i] | 0x20);
  return name;
}

std::string WithoutMarkup(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    const char next = i + 1 < html.size() ? html[i + 1] : '\0';
    if (c == '<' && (IsAsciiLetter(next) || next == '/' || next == '!')) {
      const std::size_t close = html.find('>', i);
      if (close == std::string_view::npos) break;  // a tag cut off: drop the rest of it
      const std::string name = TagName(html.substr(i, close - i));
      if (name == "style" || name == "script") {
        // What they hold is not text to learn.
        const std::size_t end = html.find("</", close);
        i = end == std::string_view::npos ? html.size() : end;
        continue;
      }
      // A tag between words leaves a space, so that "one<br>two" stays
      // two words; inline ones such as <b> leave nothing.
      if (name == "br" || name == "div" || name == "p" || name == "li" || name == "tr" ||
          name == "td" || name == "hr")
        out += ' ';
      i = close + 1;
    } else if (c == '&') {
      const std::size_t length = AppendEntity(out, html.substr(i));
      if (length == 0) out += c;
      i += length == 0 ? 1 : length;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string TextOfHtml(std::string_view html) {
  const std::string text = WithoutMarkup(html);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 7, "[sound:") == 0) {
      const std::size_t close = text.find(']', i);
      if (close != std::string::npos) {
        i = close + 1;
        continue;
      }
    }
    if (text.compare(i, 3, "{{c") == 0) {
      const std::size_t open = text.find("::", i);
      const std::size_t close = text.find("}}", i);
      if (open != std::string::npos && close != std::string::npos && open < close) {
        const std::size_t hint = text.find("::", open + 2);
        out.append(text, open + 2, (hint < close ? hint : close) - open - 2);
        i = close + 2;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace dru
