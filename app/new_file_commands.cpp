// File › New from Text… and File › Import…: a text brought in is saved
// to a new file of the learner's naming, then opened like any other.
#include "app/commands.h"
#include "core/file/sentence_file.h"
#include "core/text/translation.h"

namespace dru {

std::optional<std::string> Commands::ChooseImportSource() {
  const auto chosen = dialogs_.RunOpenDialog(dialogFolder_, OpenPurpose::Import);
  if (chosen) Chosen(*chosen);
  return chosen;
}

std::optional<std::string> Commands::SaveNewFile(const RecordList& lines,
                                                 const std::string& suggestion,
                                                 const std::string& source) {
  const auto chosen = dialogs_.RunSaveDialog(Tr("Commands", "Save the New File"), dialogFolder_,
                                             suggestion, Tr("FileDialogs", "Text Files (*.txt)"));
  if (!chosen) return std::nullopt;
  Chosen(*chosen);
  const FileStamp there = FileStamp::OfPath(*chosen);
  // The file brought in stays as it is; the open file's lines would be
  // saved over the new ones when it is opened.
  const auto same = [&](const std::string& other) {
    return !other.empty() && (*chosen == other || there.SameFileAs(FileStamp::OfPath(other)));
  };
  if (same(source)) {
    dialogs_.ShowMessage(MessageKind::Information,
                         Tr("Commands",
                            "This is the file being brought in, which stays as it "
                            "is. Save the new file under another name."));
    return std::nullopt;
  }
  if (drill_.HasOpenFile() && same(file_.path)) {
    dialogs_.ShowMessage(MessageKind::Information,
                         Tr("Commands",
                            "This is the open file. Save the new file under "
                            "another name."));
    return std::nullopt;
  }
  if (FileExists(*chosen) &&
      dialogs_.ShowMessage(MessageKind::Confirmation, OverwriteQuestion(*chosen)) != Answer::Ok) {
    return std::nullopt;
  }
  // A new file of dru's: UTF-8, each line ending in CR LF.
  FileFormat format;
  format.encoding = TextEncoding::Utf8;
  WriteSentenceFile(*chosen, lines, format);
  return chosen;
}

}  // namespace dru
