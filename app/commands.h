#pragma once

#include <string>

#include "drill.h"

namespace dru {

// The menu commands of the main window. They reach message boxes, dialogs
// and the about box only through the drill's view.
class Commands {
 public:
  explicit Commands(Drill& drill) : drill_(drill), state_(drill.State()), view_(drill.View()) {}

  // File menu.
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Close1Click();
  // Edit menu.
  void MarkReady1Click();
  void ClearAllMarks1Click();
  void PreviousSentence1Click();
  // Options and Help menus.
  void SoundEffect1Click();
  void CaseSensitive1Click();
  void About1Click();

 private:
  // Offers to save unsaved changes; saves on OK.
  void AskToSaveChanges();

  Drill& drill_;
  DrillState& state_;
  DrillView& view_;
};

// True when a file (not a folder) exists under path, resolved against the
// working directory of the moment.
bool FileExists(const std::string& path);

inline constexpr std::string_view kSaveChangesQuestion =
    "The current file has been changed. Save changes?";
inline constexpr std::string_view kLastRecordQuestion =
    "This is the last sentence that unmarked, clear all marks in the file?";

}  // namespace dru
