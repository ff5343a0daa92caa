#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "clock.h"
#include "drill_state.h"
#include "drill_view.h"

namespace dru {

// Virtual-key numbers that the key-down handler tells apart.
namespace vk {
inline constexpr std::uint16_t kControl = 17;
inline constexpr std::uint16_t kPageUp = 33;
inline constexpr std::uint16_t kDown = 40;
inline constexpr std::uint16_t kInsert = 45;
inline constexpr std::uint16_t kDelete = 46;
}  // namespace vk

// Characters that the key-press handler tells apart.
namespace key {
inline constexpr unsigned char kBackspace = 8;
inline constexpr unsigned char kTab = 9;
inline constexpr unsigned char kEnter = 13;
inline constexpr unsigned char kEscape = 27;
}  // namespace key

inline constexpr std::string_view kNoFileText = "No File is opened ...";
inline constexpr std::string_view kEmptyFileText =
    "This is an empty text file, open another Please ...";

// "There are N records in the file, M marked ready ..."
std::string InfoLine(std::int64_t records, std::int64_t marked);
// "Time  HH : MM : SS  have been elasped ..."
std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

// The drill logic: the record file, picking, keystrokes and the clock. It
// owns the drill state and reaches the window only through the view.
class Drill {
 public:
  Drill(DrillView& view, const Clock& clock) : view_(view), clock_(clock) {}

  DrillState& State() noexcept { return state_; }
  const DrillState& State() const noexcept { return state_; }
  DrillView& View() noexcept { return view_; }

  // Sentence file and record lists.
  void LoadFileToList(const std::string& path);
  void SaveListToFile(const std::string& path) const;
  void ClearAllMarks();
  // Marks the first unmarked record equal to target (letter case ignored).
  void MarkRecord(std::string_view target);

  // Picking.
  std::string GetRandomStr(const RecordList& list) const;
  void GetPreviousStr();

  // Keystrokes of the input box and the one-second tick.
  void MemoTPDKeyPress(unsigned char keyChar);
  void MemoTPDKeyDown(std::uint16_t virtualKey);
  void TimerDruTimer();

  // Plays a cue while sound effects are on.
  void Cue(std::string_view name);

 private:
  void CompleteRecord();

  DrillView& view_;
  const Clock& clock_;
  DrillState state_;
};

}  // namespace dru
