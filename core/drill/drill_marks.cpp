// Marks: Mark Ready, Clear All Marks and their undo, and the counts the
// information line shows.
#include "core/drill/display_texts.h"
#include "core/drill/drill.h"

namespace dru {

void Drill::ShowCounts() {
  const auto pooled = static_cast<std::int64_t>(state_.unmarkedList.Count());
  state_.shownCounts = RecordCounts{state_.recordCount, state_.recordCount - pooled};
}

bool Drill::MarkReady() {
  Entered();
  if (!state_.fileOpen) return true;
  state_.previousAllowed = false;
  Play(Cue::Menu);
  if (state_.unmarkedList.Count() == 1) return false;
  MarkRecord(state_.target);
  ClearInput();
  state_.previous = std::move(state_.target);
  state_.currentSpeed = 0;
  state_.modified = true;
  ShowCounts();
  PutSentence(PickNext());
  Say(Args(Tr("Drill", "Marked. %1 Next: %2"),
           {MarkedLine(*state_.shownCounts), SpokenSentence()}));
  Refresh();
  return true;
}

void Drill::ClearAllMarks(std::string_view command) {
  Entered();
  RecordList& lines = state_.fileLines;
  RecordList& pool = state_.unmarkedList;
  undo_.Clearing(command, lines, pool, state_.recordCount);
  pool.Clear();
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Get(i);
    if (IsMarked(line)) lines.Put(i, line.substr(1));
    if (!lines.At(i).Empty()) pool.Add(lines.At(i));
  }
  const auto records = static_cast<std::int64_t>(state_.unmarkedList.Count());
  state_.shownCounts = RecordCounts{records, 0};
  state_.recordCount = static_cast<std::int32_t>(records);
  state_.modified = true;
  Say(Args(Tr("Drill", "All marks cleared. %1"), {MarkedLine(*state_.shownCounts)}));
  Refresh();
}

void Drill::MarkRecord(std::string_view target) {
  Entered();
  // The record on screen itself first; one that differs only in letter
  // case only when the exact one is gone.
  const TextEncoding encoding = state_.encoding;
  auto find = [&](const RecordList& list) {
    const std::ptrdiff_t exact = list.Find(target);
    return exact >= 0 ? exact : list.IndexOf(target, encoding);
  };
  const std::ptrdiff_t pooled = find(state_.unmarkedList);
  if (pooled < 0) return;
  // The line whose record that is: pool entries share their line's bytes.
  const char* const bytes = state_.unmarkedList.Get(static_cast<std::size_t>(pooled)).data();
  std::ptrdiff_t line = -1;
  for (std::size_t i = 0; i < state_.fileLines.Count() && line < 0; ++i) {
    if (state_.fileLines.Get(i).data() == bytes) line = static_cast<std::ptrdiff_t>(i);
  }
  if (line < 0) line = find(state_.fileLines);
  if (line < 0) return;
  const auto index = static_cast<std::size_t>(line);
  const auto poolIndex = static_cast<std::size_t>(pooled);
  undo_.Marked(index, state_.fileLines.At(index), poolIndex, state_.unmarkedList.At(poolIndex));
  std::string markedLine;
  markedLine.reserve(state_.fileLines.At(index).Size() + 1);
  markedLine += kMark;
  markedLine += state_.fileLines.Get(index);
  state_.fileLines.Put(index, markedLine);
  state_.unmarkedList.Delete(poolIndex);
  state_.modified = true;
  Refresh();
}

bool Drill::Undo() {
  Entered();
  if (!undo_.Undo(state_.fileLines, state_.unmarkedList, state_.recordCount)) return false;
  ShowCounts();
  state_.modified = true;
  Say(Args(Tr("Drill", "Undone. %1"), {MarkedLine(*state_.shownCounts)}));
  Refresh();
  return true;
}

}  // namespace dru
