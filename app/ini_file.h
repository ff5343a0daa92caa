#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dru {

// A profile (INI) file held as its lines, so that writing one key keeps
// every other line as it stands: other sections and keys, comments and
// blank lines. Section and key names match without regard to ASCII case,
// and the first match wins.
class IniFile {
 public:
  IniFile() = default;
  // Parses the text of a profile file.
  explicit IniFile(std::string_view text);

  // A missing file reads as an empty one; nothing when the path exists but
  // cannot be read or is no regular file (a folder, a FIFO, a device, no
  // permission).
  static std::optional<IniFile> Load(const std::string& path);

  // The value up to a NUL, with blanks around it and one pair of enclosing
  // quotes removed, cut at maxLength characters; nothing when the key is
  // missing.
  static constexpr std::size_t kMaxValueLength = 2047;
  std::optional<std::string> Read(std::string_view section, std::string_view key,
                                  std::size_t maxLength = kMaxValueLength) const;
  // Replaces the key's line, adds a missing key at the end of its section,
  // or a missing section at the end of the file.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // Takes the key's line out, when there is one.
  void Remove(std::string_view section, std::string_view key);

  std::string Text() const;

 private:
  struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
  };
  // Index range [first, end) of the lines after a section's header line.
  struct SectionSpan {
    std::size_t header;
    std::size_t end;
  };
  std::optional<SectionSpan> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const SectionSpan& span, std::string_view key) const;
  std::string NewLineEnding() const;

  std::vector<Line> lines_;
};

// What to write so that Read gives value back exactly: value itself, or
// value in double quotes where Read would otherwise take blanks or a pair
// of quotes off its ends.
std::string ExactValue(std::string_view value);

// Reads a flag as a signed 32-bit number: blanks, then an optional sign and
// decimal digits, or "$", "x", "X", "0x", "0X" and up to 32 bits of hex
// digits. Non-zero is true, zero false; anything else gives fallback.
bool ReadFlag(const std::optional<std::string>& value, bool fallback);

}  // namespace dru
