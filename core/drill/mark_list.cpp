#include "core/drill/mark_list.h"

#include <string>

#include "core/file/sentence_file.h"

namespace dru {

RecordCounts MarkList::Counts() const noexcept {
  const auto pooled = static_cast<std::int64_t>(pool_.Count());
  return RecordCounts{records_, records_ - pooled};
}

void MarkList::TakeLines(RecordList lines, RecordList pool) {
  undo_.Forget();
  lines_ = std::move(lines);
  pool_ = std::move(pool);
}

void MarkList::Free() noexcept {
  lines_.Clear();
  pool_.Clear();
}

bool MarkList::Mark(std::string_view target, TextEncoding encoding) {
  // The record on screen itself first; one that differs only in letter
  // case only when the exact one is gone.
  auto find = [&](const RecordList& list) {
    const std::ptrdiff_t exact = list.Find(target);
    return exact >= 0 ? exact : list.IndexOf(target, encoding);
  };
  const std::ptrdiff_t pooled = find(pool_);
  if (pooled < 0) return false;
  // The line whose record that is: pool entries share their line's bytes.
  const char* const bytes = pool_.Get(static_cast<std::size_t>(pooled)).data();
  std::ptrdiff_t line = -1;
  for (std::size_t i = 0; i < lines_.Count() && line < 0; ++i) {
    if (lines_.Get(i).data() == bytes) line = static_cast<std::ptrdiff_t>(i);
  }
  if (line < 0) line = find(lines_);
  if (line < 0) return false;
  const auto index = static_cast<std::size_t>(line);
  const auto poolIndex = static_cast<std::size_t>(pooled);
  undo_.Marked(index, lines_.At(index), poolIndex, pool_.At(poolIndex));
  std::string markedLine;
  markedLine.reserve(lines_.At(index).Size() + 1);
  markedLine += kMark;
  markedLine += lines_.Get(index);
  lines_.Put(index, markedLine);
  pool_.Delete(poolIndex);
  return true;
}

void MarkList::ClearAll(std::string_view command) {
  undo_.Clearing(command, lines_, pool_, records_);
  pool_.Clear();
  for (std::size_t i = 0; i < lines_.Count(); ++i) {
    const std::string_view line = lines_.Get(i);
    if (IsMarked(line)) lines_.Put(i, line.substr(1));
    if (!lines_.At(i).Empty()) pool_.Add(lines_.At(i));
  }
  records_ = static_cast<std::int32_t>(pool_.Count());
}

bool MarkList::Undo() {
  return undo_.Undo(lines_, pool_, records_);
}

}  // namespace dru
