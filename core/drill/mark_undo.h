#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/record.h"
#include "core/file/record_list.h"
#include "core/file/sentence_file.h"

namespace dru {

// How to take back Mark Ready and Clear All Marks, newest first, until the
// file is opened, saved or closed.
class MarkUndo {
 public:
  // Mark Ready took the record pool[pooled] out of the pool and marked
  // lines[line], which was oldLine.
  void Marked(std::size_t line, Record oldLine, std::size_t pooled, Record record);
  // Called before a clearing named command changes lines and pool:
  // remembers only the lines it will change or that are out of the pool,
  // so that its cost follows the marks, not the file.
  void Clearing(std::string_view command, const RecordList& lines, const RecordList& pool,
                std::int32_t recordCount);
  // Takes back the newest step on lines and pool; a clearing gives back its
  // record count too. False when there is nothing to take back.
  bool Undo(RecordList& lines, RecordList& pool, std::int32_t& recordCount);
  void Forget() noexcept { steps_.clear(); }
  // What Undo would take back ("Mark Ready"); empty when nothing.
  std::string_view NextCommand() const noexcept;

 private:
  struct Step {
    std::string command;
    // A mark: the line as it was, and where its record left the pool.
    std::size_t line = 0;
    Record oldLine;
    std::size_t pooled = 0;
    Record record;
    // A clearing: the lines it changed or that were out of the pool, in
    // file order (ChangedLine values).
    bool cleared = false;
    std::vector<std::uint64_t> changedLines;
    std::int32_t recordCount = 0;
  };
  // A line of a clearing: its index, whether the clearing took a mark off
  // it, and whether it was in the pool before.
  static std::uint64_t ChangedLine(std::size_t line, bool unmarked, bool pooled) noexcept {
    return static_cast<std::uint64_t>(line) << 2 | (unmarked ? 2u : 0u) | (pooled ? 1u : 0u);
  }
  static void UndoClearing(const Step& step, RecordList& lines, RecordList& pool);

  std::vector<Step> steps_;
};

}  // namespace dru
