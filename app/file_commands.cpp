// The File menu: Open, Save, Save As and Close, and loading a file.
#include <sys/stat.h>

#include "commands.h"
#include "display_texts.h"
#include "io_error.h"

namespace dru {

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string ChangedOnDiskQuestion(const std::string& path) {
  return "File " + path + " has been changed by another program. Overwrite it?";
}

std::string Commands::CurrentPath() const {
  const std::string& name = state_.CurrentFile;
  if (name.empty() || name.front() == '/' || state_.StartDir.empty()) return name;
  return state_.StartDir + name;
}

bool Commands::AskToSaveChanges() {
  if (state_.Modified &&
      view_.ShowMessage(MessageKind::Confirmation, kSaveChangesQuestion) == Answer::Ok) {
    return SaveCurrentFile(true);
  }
  return true;
}

void Commands::InstallFile(SentenceFile file, const std::string& name) {
  // Until the notice is answered the open file stays wholly the old one:
  // name, lines and stamp change together, so that a close meanwhile (a
  // signal) saves the old lines to the old file.
  const bool abandon = file.records == 0 &&
                       view_.ShowMessage(MessageKind::Information, kEmptyFileText) == Answer::Ok;
  state_.CurrentFile = name;
  if (abandon) {
    drill_.TakeLines(std::move(file));
    Close();
    return;
  }
  drill_.OpenFile(std::move(file));
}

void Commands::LoadFileToList(const std::string& path) {
  InstallFile(ReadSentenceFile(path), state_.CurrentFile);
}

void Commands::Open() {
  if (!AskToSaveChanges()) return;
  const auto chosen = view_.RunOpenDialog();
  if (!chosen) return;
  if (!FileExists(*chosen)) {
    // Remembered though nothing is there: a later Save then writes the
    // lines still in memory under this name.
    state_.CurrentFile = *chosen;
    state_.CurrentFileStamp = FileStamp{};
    return;
  }
  // Read first: a file that cannot be read changes nothing at all.
  InstallFile(ReadSentenceFile(*chosen), *chosen);
  view_.SetSaveDialogFileName(*chosen);
  view_.SetTargetText(drill_.GetRandomStr(state_.UnmarkedList));
  view_.SetInputEnabled(true);
  view_.ClearInput();
  state_.NoPrevious = true;
}

bool Commands::SaveCurrentFile(bool userCanAnswer) {
  if (state_.NoFileOpen) return true;
  const std::string path = CurrentPath();
  if (FileStamp::OfPath(path) != state_.CurrentFileStamp) {
    if (!userCanAnswer) {
      throw UserError(path + " has been changed by another program; it was not overwritten");
    }
    if (view_.ShowMessage(MessageKind::Confirmation, ChangedOnDiskQuestion(path)) != Answer::Ok) {
      return false;
    }
  }
  state_.CurrentFileStamp = drill_.SaveListToFile(path);
  state_.Modified = false;
  drill_.ForgetUndo();
  return true;
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
  // A copy: CurrentFile stays the file that was opened, and its changes
  // stay unsaved until Save or the close writes them there too. Only a
  // Save As onto the open file itself is a save of it.
  const std::string current = CurrentPath();
  const bool ontoOpenFile =
      *chosen == current || FileStamp::OfPath(*chosen).SameFileAs(FileStamp::OfPath(current));
  const FileStamp written = drill_.SaveListToFile(*chosen);
  if (!ontoOpenFile) return;
  state_.CurrentFileStamp = written;
  state_.Modified = false;
  drill_.ForgetUndo();
}

void Commands::Close() {
  if (state_.NoFileOpen) return;
  if (!AskToSaveChanges()) return;
  drill_.Play(Cue::Close);
  drill_.CloseFile();
}

}  // namespace dru
