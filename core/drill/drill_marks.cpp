// Marks: Mark Ready, Clear All Marks and their undo, and the counts the
// information line shows.
#include "core/drill/display_texts.h"
#include "core/drill/drill.h"

namespace dru {

void Drill::ShowCounts() {
  const auto pooled = static_cast<std::int64_t>(state_.UnmarkedList.Count());
  state_.ShownCounts = RecordCounts{state_.RecordCount, state_.RecordCount - pooled};
}

bool Drill::MarkReady() {
  Entered();
  if (state_.NoFileOpen) return true;
  state_.NoPrevious = true;
  Play(Cue::Menu);
  if (state_.UnmarkedList.Count() == 1) return false;
  MarkRecord(state_.Target);
  ClearInput();
  state_.PreviousStr = std::move(state_.Target);
  state_.CurrentSpeed = 0;
  state_.Modified = true;
  ShowCounts();
  PutSentence(PickNext());
  Say(Args(Tr("Drill", "Marked. %1 Next: %2"),
           {MarkedLine(*state_.ShownCounts), SpokenSentence()}));
  Refresh();
  return true;
}

void Drill::ClearAllMarks(std::string_view command) {
  Entered();
  RecordList& lines = state_.FileLines;
  RecordList& pool = state_.UnmarkedList;
  undo_.Clearing(command, lines, pool, state_.RecordCount);
  pool.Clear();
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Get(i);
    if (IsMarked(line)) lines.Put(i, line.substr(1));
    if (!lines.At(i).Empty()) pool.Add(lines.At(i));
  }
  const auto records = static_cast<std::int64_t>(state_.UnmarkedList.Count());
  state_.ShownCounts = RecordCounts{records, 0};
  state_.RecordCount = static_cast<std::int32_t>(records);
  state_.Modified = true;
  Say(Args(Tr("Drill", "All marks cleared. %1"), {MarkedLine(*state_.ShownCounts)}));
  Refresh();
}

void Drill::MarkRecord(std::string_view target) {
  Entered();
  // The record on screen itself first; one that differs only in letter
  // case only when the exact one is gone.
  const TextEncoding encoding = state_.Encoding;
  auto find = [&](const RecordList& list) {
    const std::ptrdiff_t exact = list.Find(target);
    return exact >= 0 ? exact : list.IndexOf(target, encoding);
  };
  const std::ptrdiff_t pooled = find(state_.UnmarkedList);
  if (pooled < 0) return;
  // The line whose record that is: pool entries share their line's bytes.
  const char* const bytes = state_.UnmarkedList.Get(static_cast<std::size_t>(pooled)).data();
  std::ptrdiff_t line = -1;
  for (std::size_t i = 0; i < state_.FileLines.Count() && line < 0; ++i) {
    if (state_.FileLines.Get(i).data() == bytes) line = static_cast<std::ptrdiff_t>(i);
  }
  if (line < 0) line = find(state_.FileLines);
  if (line < 0) return;
  const auto index = static_cast<std::size_t>(line);
  const auto poolIndex = static_cast<std::size_t>(pooled);
  undo_.Marked(index, state_.FileLines.At(index), poolIndex, state_.UnmarkedList.At(poolIndex));
  std::string markedLine;
  markedLine.reserve(state_.FileLines.At(index).Size() + 1);
  markedLine += kMark;
  markedLine += state_.FileLines.Get(index);
  state_.FileLines.Put(index, markedLine);
  state_.UnmarkedList.Delete(poolIndex);
  state_.Modified = true;
  Refresh();
}

bool Drill::Undo() {
  Entered();
  if (!undo_.Undo(state_.FileLines, state_.UnmarkedList, state_.RecordCount)) return false;
  ShowCounts();
  state_.Modified = true;
  Say(Args(Tr("Drill", "Undone. %1"), {MarkedLine(*state_.ShownCounts)}));
  Refresh();
  return true;
}

}  // namespace dru
