#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/file/record.h"
#include "core/text/text_encoding.h"

namespace dru {

// Ordered list of byte strings: keeps insertion order, accepts duplicates.
class RecordList {
 public:
  std::size_t Count() const noexcept { return items_.size(); }
  std::string_view Get(std::size_t index) const { return items_.at(index).View(); }
  const Record& At(std::size_t index) const { return items_.at(index); }
  void Put(std::size_t index, std::string_view text) { items_.at(index) = Record(text); }
  void Put(std::size_t index, const Record& record) { items_.at(index) = record; }
  void Insert(std::size_t index, const Record& record);
  void Add(std::string_view text) { items_.emplace_back(text); }
  void Add(const Record& record) { items_.push_back(record); }
  void Delete(std::size_t index);
  void Clear() noexcept { items_.clear(); }
  void Reserve(std::size_t count) { items_.reserve(count); }

  // Index of the first entry equal to text byte for byte, or -1.
  std::ptrdiff_t Find(std::string_view text) const noexcept;
  // Index of the first entry equal to text when letter case is ignored, or
  // -1 when there is none: Windows-1252 letters, or Unicode case folding in
  // UTF-8.
  std::ptrdiff_t IndexOf(std::string_view text,
                         TextEncoding encoding = TextEncoding::Windows1252) const;

 private:
  std::vector<Record, LargeBlockAllocator<Record>> items_;
};

}  // namespace dru
