#pragma once

#include <cstdint>
#include <string_view>

#include "core/drill/drill_snapshot.h"
#include "core/drill/mark_undo.h"
#include "core/file/record_list.h"
#include "core/text/text_encoding.h"

namespace dru {

// The open file's lines and the pool of its unmarked records, which share
// their bytes; the marks set and taken off, and how to undo that until the
// file is opened, saved or closed.
class MarkList {
 public:
  const RecordList& Lines() const noexcept { return lines_; }
  const RecordList& Pool() const noexcept { return pool_; }
  // The records the information line counts.
  std::int32_t RecordCount() const noexcept { return records_; }
  void SetRecordCount(std::int32_t records) noexcept { records_ = records; }
  // Records and marked ones, as the information line shows them.
  RecordCounts Counts() const noexcept;

  // A file's lines and pool; nothing to undo.
  void TakeLines(RecordList lines, RecordList pool);
  void Free() noexcept;

  // Marks the first unmarked record equal to target, or, when none is, the
  // first equal to it with letter case ignored; false when none is.
  bool Mark(std::string_view target, TextEncoding encoding);
  // Takes every mark off, as the command named command.
  void ClearAll(std::string_view command);
  // Takes back the newest mark or clearing; false when there is none.
  bool Undo();
  void ForgetUndo() noexcept { undo_.Forget(); }
  // What Undo would take back ("Mark Ready"); empty when nothing.
  std::string_view NextUndo() const noexcept { return undo_.NextCommand(); }

 private:
  RecordList lines_;
  RecordList pool_;
  std::int32_t records_ = 0;
  MarkUndo undo_;
};

}  // namespace dru
