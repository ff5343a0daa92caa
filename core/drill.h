#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"
#include "cue.h"
#include "drill_state.h"
#include "drill_view.h"
#include "sentence_file.h"

namespace dru {

// The drill logic: the open file's lists and marks, picking, keystrokes and
// the clock. It owns the drill state and reaches the window only through
// the view.
class Drill {
 public:
  Drill(DrillView& view, const Clock& clock) : view_(view), clock_(clock) {}

  DrillState& State() noexcept { return state_; }
  const DrillState& State() const noexcept { return state_; }
  DrillView& View() noexcept { return view_; }

  // The state of a fresh start: no file, no previous record, clock at zero.
  void ResetForStartUp();
  // Makes a file that was read the open file: its lists, the record count,
  // the information line, and the flags of an unchanged open file. The
  // caller has made it CurrentFile.
  void OpenFile(SentenceFile file);
  // Takes only the lines of a file that is not opened, so that a following
  // Close saves them under its name.
  void TakeLines(SentenceFile file);
  // Back to "no file": lists, target, current speed, information line and
  // flags; the input box is disabled with its text kept.
  void CloseFile();
  void FreeLists() noexcept;

  // Writes FileLines to path; returns the stamp of the file written.
  FileStamp SaveListToFile(const std::string& path) const;
  // Both remember how to undo themselves, under the command's name.
  void ClearAllMarks(std::string_view command = "Clear All Marks");
  // Marks the first unmarked record equal to target, or, when none is,
  // the first equal to it with letter case ignored.
  void MarkRecord(std::string_view target);

  // Undoes the newest mark or clearing since the file was loaded or saved:
  // the lines, the pool, the count and the information line come back, and
  // Modified is set. False when there is nothing to undo.
  bool Undo();
  // After a load, a save or Close nothing before can be undone.
  void ForgetUndo();

  // Picking.
  std::string GetRandomStr(const RecordList& list) const;
  void GetPreviousStr();

  // Keystrokes of the input box and the one-second tick.
  // keyChar is the character typed: a byte in a Windows-1252 file, a code
  // point in a UTF-8 file.
  void OnKeyPress(char32_t keyChar);
  void OnKeyDown(std::uint16_t virtualKey);
  void Tick();

  // Plays a cue while sound effects are on.
  void Play(Cue cue);

 private:
  void CompleteRecord();
  void ShowUndoText();

  // How to take back one Mark Ready or Clear All Marks.
  struct UndoStep {
    std::string command;
    // A mark: the line as it was, and where its record left the pool.
    std::size_t line = 0;
    Record oldLine;
    std::size_t pooled = 0;
    Record record;
    // A clearing: only the lines it changed or that were out of the pool,
    // in file order, so that its cost follows the marks, not the file.
    bool cleared = false;
    std::vector<std::uint64_t> changedLines;  // ChangedLine() values
    std::int32_t recordCount = 0;
  };
  // A line of a clearing: its index, whether the clearing took a mark off
  // it, and whether it was in the pool before.
  static std::uint64_t ChangedLine(std::size_t line, bool unmarked, bool pooled) noexcept {
    return static_cast<std::uint64_t>(line) << 2 | (unmarked ? 2u : 0u) | (pooled ? 1u : 0u);
  }
  void UndoClearing(const UndoStep& step);
  std::vector<UndoStep> undo_;

  DrillView& view_;
  const Clock& clock_;
  DrillState state_;
};

}  // namespace dru
