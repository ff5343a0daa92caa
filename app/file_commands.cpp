// The File menu: Open, Save, Save As and Close, and loading a file.
#include <sys/stat.h>

#include "commands.h"
#include "display_texts.h"

namespace dru {

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void Commands::AskToSaveChanges() {
  if (state_.Modified &&
      view_.ShowMessage(MessageKind::Confirmation, kSaveChangesQuestion) == Answer::Ok) {
    Save();
  }
}

void Commands::LoadFileToList(const std::string& path) {
  SentenceFile file = ReadSentenceFile(path);
  if (file.records == 0 &&
      view_.ShowMessage(MessageKind::Information, kEmptyFileText) == Answer::Ok) {
    drill_.TakeLines(std::move(file));
    Close();
    return;
  }
  drill_.OpenFile(std::move(file));
}

void Commands::Open() {
  AskToSaveChanges();
  const auto chosen = view_.RunOpenDialog();
  if (!chosen) return;
  // Remembered even when nothing is there: a later Save then writes the
  // lines still in memory under this name.
  state_.CurrentFile = *chosen;
  if (!FileExists(*chosen)) return;
  LoadFileToList(*chosen);
  view_.SetSaveDialogFileName(*chosen);
  state_.CurrentFile = *chosen;
  view_.SetTargetText(drill_.GetRandomStr(state_.UnmarkedList));
  view_.SetInputEnabled(true);
  view_.ClearInput();
  state_.NoPrevious = true;
}

void Commands::Save() {
  if (state_.NoFileOpen) return;
  drill_.SaveListToFile(state_.CurrentFile);
  state_.Modified = false;
}

void Commands::SaveAs() {
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

void Commands::Close() {
  if (state_.NoFileOpen) return;
  AskToSaveChanges();
  drill_.Play(Cue::Close);
  drill_.CloseFile();
}

}  // namespace dru
