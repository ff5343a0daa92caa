// The File menu: Open, Save, Save As and Close, and loading a file.
#include <sys/stat.h>
#include <unistd.h>

#include "app/commands.h"
#include "core/drill/clock.h"
#include "core/drill/display_texts.h"
#include "core/file/io_error.h"
#include "core/text/translation.h"

namespace dru {

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string ChangedOnDiskQuestion(const std::string& path) {
  return Args(Tr("Commands", "File %1 has been changed by another program. Overwrite it?"), {path});
}

std::string OverwriteQuestion(const std::string& path) {
  return Args(Tr("Commands", "File %1 exists. Overwrite?"), {path});
}

void Commands::SetStartDir(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  startDir_ = std::move(folder);
  dialogFolder_ = startDir_;
  SetCurrentFile(file_.name);
}

void Commands::SetCurrentFile(const std::string& name) {
  file_.name = name;
  const bool relative = !name.empty() && name.front() != '/' && !startDir_.empty();
  file_.path = relative ? startDir_ + name : name;
}

FileStamp Commands::SaveListToFile(const std::string& path) const {
  return WriteSentenceFile(path, drill_.FileLines(), file_.format);
}

void Commands::Chosen(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos) dialogFolder_ = path.substr(0, slash + 1);
}

bool Commands::AskToSaveChanges() {
  if (drill_.Modified() &&
      dialogs_.ShowMessage(MessageKind::Confirmation,
                           Tr("Commands", kSaveChangesQuestion.data())) == Answer::Ok) {
    return SaveCurrentFile(true);
  }
  return true;
}

void Commands::InstallFile(SentenceFile file, const std::string& name) {
  // Until the notice is answered the open file stays wholly the old one:
  // name, lines and stamp change together, so that a close meanwhile (a
  // signal) saves the old lines to the old file.
  const bool abandon =
      file.records == 0 &&
      dialogs_.ShowMessage(MessageKind::Information, DisplayText(kEmptyFileText)) == Answer::Ok;
  SetCurrentFile(name);
  if (abandon) {
    drill_.TakeLines(file);
  } else {
    drill_.InstallFile(file);
  }
  file_.stamp = file.stamp;
  file_.format = std::move(file.format);
  if (abandon) Close();
  // Before the first sentence is picked, so that it is picked in review
  // order; without a history the drill goes back to random.
  if (!abandon && drill_.NeedsReviews() && reviews_ != nullptr) reviews_->LoadReviews();
  // Said at once, not learnt from a failed save at the end.
  if (!abandon && access(file_.path.c_str(), W_OK) != 0)
    drill_.ShowNotice(Tr("Commands", kReadOnlyNotice.data()));
  if (onFileRead) onFileRead();
}

void Commands::LoadFileToList() {
  InstallFile(ReadSentenceFile(file_.path), file_.name);
}

void Commands::Open() {
  if (!AskToSaveChanges()) return;
  const auto chosen = dialogs_.RunOpenDialog(dialogFolder_, OpenPurpose::SentenceFile);
  if (!chosen) return;
  Chosen(*chosen);
  if (!FileExists(*chosen)) {
    // Remembered though nothing is there: a later Save then writes the
    // lines still in memory under this name.
    SetCurrentFile(*chosen);
    file_.stamp = FileStamp{};
    return;
  }
  ReadAndStart(*chosen);
}

void Commands::OpenNamed(const std::string& path, bool announce) {
  if (!AskToSaveChanges()) return;
  Chosen(path);
  ReadAndStart(path, announce);
}

void Commands::ReadAndStart(const std::string& path, bool announce) {
  // Read first: a file that cannot be read changes nothing at all.
  InstallFile(ReadSentenceFile(path), path);
  saveDialogName_ = path;
  drill_.StartFile(announce ? FileName(path) : std::string());
}

bool Commands::SaveCurrentFile(bool userCanAnswer) {
  if (!drill_.HasOpenFile()) return true;
  const std::string& path = file_.path;
  if (FileStamp::OfPath(path) != file_.stamp) {
    if (!userCanAnswer) {
      // Nobody can say which text to keep: the other program's stays, and
      // the marks go beside it, so that a close is never held up by it.
      marksCopy_ = SaveMarksBeside(path);
      drill_.Saved();
      return true;
    }
    if (dialogs_.ShowMessage(MessageKind::Confirmation, ChangedOnDiskQuestion(path)) !=
        Answer::Ok) {
      return false;
    }
  }
  file_.stamp = SaveListToFile(path);
  drill_.Saved();
  return true;
}

std::string Commands::SaveMarksBeside(const std::string& path) const {
  const std::string stem = path + ".dru-marks-" + LocalDate(SystemClock().UtcMilliseconds());
  std::string copy = stem;
  // Never over anything that is there, not even a dangling link.
  auto taken = [](const std::string& name) {
    struct stat info {};
    return lstat(name.c_str(), &info) == 0;
  };
  for (int n = 2; taken(copy); ++n)
    copy = stem + "-" + std::to_string(n);
  SaveListToFile(copy);
  return copy;
}

void Commands::SaveAs() {
  if (!drill_.HasOpenFile()) return;
  const auto chosen =
      dialogs_.RunSaveDialog(Tr("Commands", "Save As"), dialogFolder_, saveDialogName_);
  if (!chosen) return;
  Chosen(*chosen);
  saveDialogName_ = *chosen;
  if (FileExists(*chosen) &&
      dialogs_.ShowMessage(MessageKind::Confirmation, OverwriteQuestion(*chosen)) != Answer::Ok) {
    return;
  }
  // A copy: CurrentFile stays the file that was opened, and its changes
  // stay unsaved until Save or the close writes them there too. Only a
  // Save As onto the open file itself is a save of it.
  const bool ontoOpenFile =
      *chosen == file_.path || FileStamp::OfPath(*chosen).SameFileAs(FileStamp::OfPath(file_.path));
  const FileStamp written = SaveListToFile(*chosen);
  if (!ontoOpenFile) return;
  file_.stamp = written;
  drill_.Saved();
}

void Commands::Close() {
  if (!drill_.HasOpenFile()) return;
  if (!AskToSaveChanges()) return;
  drill_.Play(Cue::Close);
  drill_.CloseFile();
}

}  // namespace dru
