#pragma once

#include <string>
#include <string_view>

#include "drill.h"

namespace dru {

// The menu commands of the main window. They reach message boxes, dialogs
// and the about box only through the drill's view.
class Commands {
 public:
  explicit Commands(Drill& drill) : drill_(drill), state_(drill.State()), view_(drill.View()) {}

  // File menu.
  void Open();
  void Save();
  void SaveAs();
  void Close();
  // Edit menu.
  void MarkReady();
  void ClearAllMarks();
  void PreviousSentence();
  // Options and Help menus.
  void ToggleSoundEffect();
  void ToggleCaseSensitive();
  void About();

  // Reads the file at path and makes it the open file. A file without
  // records brings up the empty-file notice: OK abandons it through Close,
  // shutting the notice opens it all the same.
  void LoadFileToList(const std::string& path);

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
