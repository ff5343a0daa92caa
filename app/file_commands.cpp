// The File menu: Open, Save, Save As and Close.
#include <sys/stat.h>

#include "commands.h"

namespace dru {

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void Commands::AskToSaveChanges() {
  if (state_.Modified &&
      view_.ShowMessage(MessageKind::Confirmation, kSaveChangesQuestion) == Answer::Ok) {
    Save1Click();
  }
}

void Commands::Open1Click() {
  AskToSaveChanges();
  const auto chosen = view_.RunOpenDialog();
  if (!chosen) return;
  // Remembered even when nothing is there: a later Save then writes the
  // lines still in memory under this name.
  state_.CurrentFile = *chosen;
  if (!FileExists(*chosen)) return;
  drill_.LoadFileToList(*chosen);
  view_.SetSaveDialogFileName(*chosen);
  state_.CurrentFile = *chosen;
  view_.SetTargetText(drill_.GetRandomStr(state_.UnmarkedList));
  view_.SetInputEnabled(true);
  view_.ClearInput();
  state_.NoPrevious = true;
}

void Commands::Save1Click() {
  if (state_.NoFileOpen) return;
  drill_.SaveListToFile(state_.CurrentFile);
  state_.Modified = false;
}

void Commands::SaveAs1Click() {
  if (state_.NoFileOpen) return;
  const auto chosen = view_.RunSaveDialog("Save As");
  if (!chosen) return;
  if (FileExists(*chosen) &&
      view_.ShowMessage(MessageKind::Confirmation, "File " + *chosen + " exists. Overwrite?") !=
          Answer::Ok) {
    return;
  }
  // A copy: CurrentFile stays the file that was opened.
  drill_.SaveListToFile(*chosen);
  state_.Modified = false;
}

void Commands::Close1Click() {
  if (state_.NoFileOpen) return;
  AskToSaveChanges();
  drill_.Cue("CLOSE");
  view_.SetInputEnabled(false);
  state_.FileLines.Clear();
  state_.UnmarkedList.Clear();
  view_.SetTargetText("");
  view_.SetCurrentSpeedBar(0);
  view_.SetCurrentSpeedText("0");
  state_.NoFileOpen = true;
  state_.Modified = false;
  view_.SetInfoText(kNoFileText);
}

}  // namespace dru
