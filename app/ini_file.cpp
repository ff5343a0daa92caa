#include "app/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "core/text/cp1252_case.h"

namespace dru {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (IsComment(trimmed)) return std::nullopt;
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(0, equals));
}

bool SameName(std::string_view a, std::string_view b) {
  return EqualIgnoringAsciiCase(a, b);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  while (!text.empty()) {
    const auto newline = text.find('\n');
    if (newline == std::string_view::npos) {
      lines_.push_back({std::string(text), ""});
      break;
    }
    std::string_view line = text.substr(0, newline);
    std::string ending = "\n";
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
      ending = "\r\n";
    }
    lines_.push_back({std::string(line), ending});
    text.remove_prefix(newline + 1);
  }
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
  // Without O_NONBLOCK, a FIFO would hold start-up forever.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? std::optional<IniFile>(IniFile()) : std::nullopt;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  std::string text;
  char buffer[8192];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {  // a folder or a read error
      close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return IniFile(text);
}

std::optional<IniFile::SectionSpan> IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].text);
    if (!name || !SameName(*name, Trim(section))) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end].text))
      ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(const SectionSpan& span, std::string_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto name = KeyName(lines_[i].text);
    if (name && SameName(*name, Trim(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key,
                                         std::size_t maxLength) const {
  const auto span = FindSection(section);
  if (!span) return std::nullopt;
  const auto index = FindKey(*span, key);
  if (!index) return std::nullopt;
  const std::string_view line = lines_[*index].text;
  std::string_view value = line.substr(line.find('=') + 1);
  value = Trim(value.substr(0, value.find('\0')));  // a NUL ends the value
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, maxLength));
}

std::string ExactValue(std::string_view value) {
  const bool blankEnd = !value.empty() && (Trim(value).size() != value.size());
  const bool quotedLook = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
  if (!blankEnd && !quotedLook) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

std::string IniFile::NewLineEnding() const {
  for (const Line& line : lines_) {
    if (!line.ending.empty()) return line.ending;
  }
  return "\n";
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
  const std::string ending = NewLineEnding();
  if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;

  const auto span = FindSection(section);
  if (!span) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back({"", ending});
    lines_.push_back({"[" + std::string(Trim(section)) + "]", ending});
    lines_.push_back({entry, ending});
    return;
  }
  if (const auto index = FindKey(*span, key)) {
    lines_[*index].text = entry;
    return;
  }
  // After the section's last non-blank line, so a blank line before the
  // next section stays where it is.
  std::size_t at = span->end;
  while (at > span->header + 1 && Trim(lines_[at - 1].text).empty())
    --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{entry, ending});
}

void IniFile::Remove(std::string_view section, std::string_view key) {
  const auto span = FindSection(section);
  if (!span) return;
  if (const auto index = FindKey(*span, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
  }
}

std::string IniFile::Text() const {
  std::string text;
  for (const Line& line : lines_)
    text += line.text + line.ending;
  return text;
}

bool ReadFlag(const std::optional<std::string>& value, bool fallback) {
  if (!value) return fallback;
  std::string_view text = *value;
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return fallback;
  text.remove_prefix(start);

  int base = 10;
  for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.substr(0, prefix.size()) == prefix && text.size() > prefix.size()) {
      text.remove_prefix(prefix.size());
      base = 16;
      break;
    }
  }
  const char* const end = text.data() + text.size();
  if (base == 16) {
    std::uint32_t number = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, number, 16);
    if (error != std::errc() || stop != end) return fallback;
    return number != 0;
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return fallback;
  std::int64_t number = 0;
  const auto [stop, error] = std::from_chars(text.data(), end, number, 10);
  if (error != std::errc() || stop != end) return fallback;
  if (negative) number = -number;
  if (number < INT32_MIN || number > INT32_MAX) return fallback;
  return number != 0;
}

}  // namespace dru
