// Taking back marks: one step per Mark Ready or Clear All Marks.
#include "core/drill/mark_undo.h"
#include "core/text/translation.h"

namespace dru {

void MarkUndo::Marked(std::size_t line, Record oldLine, std::size_t pooled, Record record) {
  Step step;
  step.command = DRU_TR_NOOP("Command", "Mark Ready");
  step.line = line;
  step.oldLine = std::move(oldLine);
  step.pooled = pooled;
  step.record = std::move(record);
  steps_.push_back(std::move(step));
}

void MarkUndo::Clearing(std::string_view command, const RecordList& lines, const RecordList& pool,
                        std::int32_t recordCount) {
  Step step;
  step.command = command;
  step.cleared = true;
  step.recordCount = recordCount;
  // The pool holds the lines' own records in file order, so a line is in
  // it when the next pool entry shares its bytes.
  std::size_t next = 0;
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Get(i);
    bool pooled = false;
    if (!line.empty() && next < pool.Count() && pool.Get(next).data() == line.data()) {
      pooled = true;
      ++next;
    }
    if (IsMarked(line) || (!pooled && !line.empty())) {
      step.changedLines.push_back(ChangedLine(i, IsMarked(line), pooled));
    }
  }
  steps_.push_back(std::move(step));
}

bool MarkUndo::Undo(RecordList& lines, RecordList& pool, std::int32_t& recordCount) {
  if (steps_.empty()) return false;
  const Step step = std::move(steps_.back());
  steps_.pop_back();
  if (step.cleared) {
    UndoClearing(step, lines, pool);
    recordCount = step.recordCount;
  } else {
    lines.Put(step.line, step.oldLine);
    pool.Insert(step.pooled, step.record);
  }
  return true;
}

std::string_view MarkUndo::NextCommand() const noexcept {
  return steps_.empty() ? std::string_view() : std::string_view(steps_.back().command);
}

void MarkUndo::UndoClearing(const Step& step, RecordList& lines, RecordList& pool) {
  pool.Clear();
  std::size_t changed = 0;
  std::string marked;
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    bool pooled = !lines.At(i).Empty();
    if (changed < step.changedLines.size() && step.changedLines[changed] >> 2 == i) {
      const std::uint64_t entry = step.changedLines[changed++];
      if ((entry & 2u) != 0) {
        marked.assign(1, kMark);
        marked += lines.Get(i);
        lines.Put(i, marked);
      }
      pooled = (entry & 1u) != 0;
    }
    if (pooled) pool.Add(lines.At(i));
  }
}

}  // namespace dru
