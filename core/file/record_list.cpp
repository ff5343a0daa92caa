#include "core/file/record_list.h"

#include <iterator>
#include <stdexcept>
#include <string>

#include "core/text/cp1252_case.h"

namespace dru {

void RecordList::Delete(std::size_t index) {
  if (index >= items_.size()) throw std::out_of_range("record list index out of range");
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecordList::Insert(std::size_t index, const Record& record) {
  if (index > items_.size()) throw std::out_of_range("record list index out of range");
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), record);
}

std::ptrdiff_t RecordList::Find(std::string_view text) const noexcept {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].View() == text) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

std::ptrdiff_t RecordList::IndexOf(std::string_view text, TextEncoding encoding) const {
  if (encoding == TextEncoding::Utf8) {
    const std::string key = FoldUnicodeCase(text);
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const std::string_view item = items_[i].View();
      if (item == text || FoldUnicodeCase(item) == key) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    // Case folding keeps lengths, so most entries are ruled out by size alone.
    if (items_[i].Size() == text.size() && EqualIgnoringCp1252Case(items_[i].View(), text)) {
      return static_cast<std::ptrdiff_t>(i);
    }
  }
  return -1;
}

}  // namespace dru
