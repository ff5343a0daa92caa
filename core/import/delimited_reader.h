#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dru {

// Reads records of fields from CSV or TSV text by RFC 4180's quoting: a
// field in double quotes may hold the separator, line breaks and doubled
// quotes (""); a record ends at CR LF, LF or CR outside quotes. It is
// lenient where files are not: text after a closing quote joins the field,
// and a quote that never closes takes the rest of the text.
class DelimitedReader {
 public:
  DelimitedReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

  // The next record's fields into fields; false at the end of the text.
  bool Next(std::vector<std::string>& fields);
  // How far the reading has come, in bytes.
  std::size_t Position() const noexcept { return at_; }

 private:
  std::string_view text_;
  char separator_;
  std::size_t at_ = 0;
};

// The separator of a phrase list, from its first line outside quotes: TAB
// where it holds one, else ';' where it holds one, else ','.
char GuessSeparator(std::string_view text);

}  // namespace dru
