#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dru {

// Irreversible: a confirmation of what cannot be taken back, with Cancel
// as its default.
enum class MessageKind { Information, Confirmation, Irreversible };
enum class Answer { Ok, Cancel };
// What the open-file dialog chooses: a sentence file to drill, or a text
// or phrase list to bring in.
enum class OpenPurpose { SentenceFile, Import };

// The boxes and dialogs the commands put before the user. The window
// implements it; tests answer from queues.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Modal message box; shutting it with its close button answers Cancel,
  // also for the information box that has only OK.
  virtual Answer ShowMessage(MessageKind kind, std::string_view text) = 0;
  // The open-file dialog, started in folder with no file name; the chosen
  // path, or nothing when cancelled.
  virtual std::optional<std::string> RunOpenDialog(const std::string& folder,
                                                   OpenPurpose purpose) = 0;
  // The save-file dialog, started in folder with name filled in; filter
  // ("CSV files (*.csv)") offered first when given.
  virtual std::optional<std::string> RunSaveDialog(std::string_view title,
                                                   const std::string& folder,
                                                   const std::string& name,
                                                   std::string_view filter = {}) = 0;
  virtual void ShowAbout() = 0;
};

}  // namespace dru
