#include "core/import/delimited_reader.h"

namespace dru {

bool DelimitedReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  if (at_ >= text_.size()) return false;
  std::string field;
  bool quoted = false;
  bool fieldStarted = false;  // a quote opens a field only at its start
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (quoted) {
      if (c != '"') {
        // The bytes up to the next quote belong to the field as they are.
        const std::size_t quote = text_.find('"', at_);
        const std::size_t end = quote == std::string_view::npos ? text_.size() : quote;
        field.append(text_.substr(at_, end - at_));
        at_ = end;
      } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
        field += '"';
        at_ += 2;
      } else {
        quoted = false;
        ++at_;
      }
      continue;
    }
    if (c == separator_) {
      fields.push_back(std::move(field));
      field.clear();
      fieldStarted = false;
      ++at_;
    } else if (c == '\r' || c == '\n') {
      at_ += (c == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ? 2 : 1;
      break;
    } else if (c == '"' && !fieldStarted) {
      quoted = true;
      fieldStarted = true;
      ++at_;
    } else {
      fieldStarted = true;
      field += c;
      ++at_;
    }
  }
  fields.push_back(std::move(field));
  return true;
}

char GuessSeparator(std::string_view text) {
  // Commas are common in text, semicolons less so, TABs hardly.
  bool semicolon = false;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    if (c == '\t') return '\t';
    semicolon = semicolon || c == ';';
  }
  return semicolon ? ';' : ',';
}

}  // namespace dru
