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
  void Save() { SaveCurrentFile(true); }
  void SaveAs();
  void Close();
  // Edit menu.
  void MarkReady();
  void ClearAllMarks();
  void PreviousSentence();
  // Takes back the newest Mark Ready or Clear All Marks.
  void Undo();
  // Options and Help menus.
  void ToggleSoundEffect();
  void ToggleCaseSensitive();
  void ToggleShowMistakes();
  void About();

  // Reads the file at path and makes it the open file. A file without
  // records brings up the empty-file notice: OK abandons it through Close,
  // shutting the notice opens it all the same.
  void LoadFileToList(const std::string& path);

  // Writes the lists to CurrentFile, unless another program changed the
  // file since it was read or written: then it asks first where a user can
  // answer, and refuses (throws) where nobody can. False when nothing was
  // written because the user declined.
  bool SaveCurrentFile(bool userCanAnswer);

  // CurrentFile as a path: a relative name means the start-up folder, not
  // the working directory of the moment.
  std::string CurrentPath() const;

 private:
  // Offers to save unsaved changes and saves on OK; false when the save
  // was declined, and whatever asked should not go on.
  bool AskToSaveChanges();
  // Makes file, read from name, the open file (or, after the empty-file
  // notice, closes it).
  void InstallFile(SentenceFile file, const std::string& name);

  Drill& drill_;
  DrillState& state_;
  DrillView& view_;
};

// True when a file (not a folder) exists under path, resolved against the
// working directory of the moment.
bool FileExists(const std::string& path);

inline constexpr std::string_view kSaveChangesQuestion =
    "The current file has been changed. Save changes?";
// "File NAME has been changed by another program. Overwrite it?"
std::string ChangedOnDiskQuestion(const std::string& path);
inline constexpr std::string_view kLastRecordQuestion =
    "This is the last sentence that unmarked, clear all marks in the file?";

}  // namespace dru
