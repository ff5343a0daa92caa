#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/dialogs.h"
#include "app/open_file.h"
#include "core/drill/drill.h"
#include "core/text/translation.h"

namespace dru {

// Where the drill's review order comes from: the history of answers.
class ReviewSource {
 public:
  virtual ~ReviewSource() = default;
  // Gives the drill what the history knows of the open file's sentences.
  // False when there is no history; the drill is then told why.
  virtual bool LoadReviews() = 0;
};

// The menu commands of the main window, and the open file they work on.
// They reach message boxes, dialogs and the about box only through
// Dialogs.
class Commands {
 public:
  Commands(Drill& drill, Dialogs& dialogs) : drill_(drill), dialogs_(dialogs) {}

  // File menu.
  void Open();
  // Opens the file at path as Open does after its dialog: asks to save
  // changes first; a file that cannot be read changes nothing (throws).
  // A screen reader hears the file's name unless announce is false (at
  // start-up, where the sentence alone is said).
  void OpenNamed(const std::string& path, bool announce = true);
  void Save() { SaveCurrentFile(true); }
  // File › Import…: the file to bring in, chosen with the open dialog, or
  // nothing.
  std::optional<std::string> ChooseImportSource();
  // Writes the lines of a text brought in to a new UTF-8 file that the
  // learner names in the save dialog (suggestion filled in), as Save As
  // writes: never over an existing file without the question, and never
  // over source (the file brought in) or the open file. The path written,
  // or nothing; then OpenNamed opens it.
  std::optional<std::string> SaveNewFile(const RecordList& lines, const std::string& suggestion,
                                         const std::string& source);
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
  // Review needs the history: switching it on loads what it knows.
  // F2: Review Due Sentences, or back to At Random.
  void ToggleReviewDue();
  void SetOrder(SentenceOrder order);
  void ToggleMarkWhileTyping();
  void ToggleSpeakAfterEnter();
  void SayAgain();
  // Options › Recall; Edit › Hint.
  void SetRecall(RecallOption option);
  void Hint();
  void About();

  void SetReviewSource(ReviewSource* source) noexcept { reviews_ = source; }

  // The folder of the settings file, against which relative names are
  // resolved, and where the file dialogs start until one is confirmed.
  // It ends in '/'.
  const std::string& StartDir() const noexcept { return startDir_; }
  void SetStartDir(std::string folder);

  const OpenFile& CurrentFile() const noexcept { return file_; }
  // Names the file that Save writes, without reading it; it is not known
  // on disk until it is read or written.
  void SetCurrentFile(const std::string& name);
  // The name the save-file dialog starts with: the last file opened or
  // saved under another name.
  const std::string& SaveDialogName() const noexcept { return saveDialogName_; }
  void SetSaveDialogName(const std::string& name) { saveDialogName_ = name; }

  // Reads CurrentFile and makes it the open file. A file without records
  // brings up the empty-file notice: OK abandons it through Close, shutting
  // the notice opens it all the same.
  void LoadFileToList();

  // Writes the lists to CurrentFile, unless another program changed the
  // file since it was read or written: then it asks first where a user can
  // answer; where nobody can, the other program's text stays and the lists
  // go to a copy beside it (MarksCopy). False when nothing was written
  // because the user declined.
  bool SaveCurrentFile(bool userCanAnswer);
  // The copy that the last such save wrote; "" when none.
  const std::string& MarksCopy() const noexcept { return marksCopy_; }

  // Called after a file was read and installed, for whoever shows it.
  std::function<void()> onFileRead;

  // A line on the status bar, for start-up's advice.
  void Notify(std::string_view text) { drill_.ShowNotice(text); }

 private:
  // Offers to save unsaved changes and saves on OK; false when the save
  // was declined, and whatever asked should not go on.
  bool AskToSaveChanges();
  // Makes file, read from name, the open file (or, after the empty-file
  // notice, closes it).
  void InstallFile(SentenceFile file, const std::string& name);
  // Writes the lines in the open file's format to path; returns the stamp
  // of the file written.
  FileStamp SaveListToFile(const std::string& path) const;
  // A confirmed file dialog: the next one starts in the chosen file's
  // folder.
  void Chosen(const std::string& path);
  // Writes the lists to a new file beside path, NAME.dru-marks-DATE (and
  // -2, -3 ... where that is taken); returns its path.
  std::string SaveMarksBeside(const std::string& path) const;
  // Reads path, makes it the open file and shows its first sentence.
  void ReadAndStart(const std::string& path, bool announce = true);

  Drill& drill_;
  Dialogs& dialogs_;
  ReviewSource* reviews_ = nullptr;
  OpenFile file_;
  std::string startDir_;
  std::string dialogFolder_;
  std::string saveDialogName_;
  std::string marksCopy_;
};

// True when a file (not a folder) exists under path, resolved against the
// working directory.
bool FileExists(const std::string& path);

inline constexpr std::string_view kSaveChangesQuestion =
    DRU_TR_NOOP("Commands", "The current file has been changed. Save changes?");
// "File NAME has been changed by another program. Overwrite it?"
std::string ChangedOnDiskQuestion(const std::string& path);
// "File NAME exists. Overwrite?"
std::string OverwriteQuestion(const std::string& path);
inline constexpr std::string_view kReadOnlyNotice =
    DRU_TR_NOOP("Commands", "Read-only: marks stay until you save a copy with File › Save As.");
inline constexpr std::string_view kLastRecordQuestion = DRU_TR_NOOP(
    "Commands", "This is the last sentence that unmarked, clear all marks in the file?");

}  // namespace dru
