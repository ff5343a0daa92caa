#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/drill/cue.h"
#include "core/drill/drill_snapshot.h"
#include "core/text/mistakes.h"

namespace dru {

enum class MessageKind { Information, Confirmation };
enum class Answer { Ok, Cancel };

// Range of both speed bars' drawing: a faster speed stands full.
inline constexpr std::int64_t kBarMin = 0;
inline constexpr std::int64_t kBarMax = 600;

inline std::int64_t ClampBar(std::int64_t position) {
  return position < kBarMin ? kBarMin : (position > kBarMax ? kBarMax : position);
}

// What the drill logic tells the window, and the services of its
// surroundings. The window implements it; tests use a fake. The view is
// told what to show and never asked, except for the typed text, which
// belongs to the user.
class DrillView {
 public:
  virtual ~DrillView() = default;

  // Draws every display from the drill's state: the sentence to type,
  // whether the input box takes keys, the speed numbers and bars (bars
  // clamped by ClampBar), the information and time lines, the option check
  // marks and the Undo item.
  virtual void Show(const DrillSnapshot& snapshot) = 0;

  // The input box, read in the encoding last shown. The logic only
  // ever empties it.
  virtual std::string InputText() const = 0;
  virtual void ClearInput() = 0;
  // Gives the input box the focus, unless it has it, it takes no keys, or
  // a box of ours or another program is in front.
  virtual void FocusInput() = 0;

  // The status line: after a wrong Enter, typed against expected as compared
  // (the comparison's characters lie in those two texts); after a right
  // one, a brief confirmation; cleared by the next key and on Open and
  // Close.
  virtual void ShowMistakes(std::string_view typed, std::string_view expected,
                            const Comparison& comparison) = 0;
  virtual void ShowCorrect() = 0;
  // A word about the program itself ("History is off: …"), until the next
  // key.
  virtual void ShowNotice(std::string_view text) = 0;
  virtual void ClearStatus() = 0;

  // Modal message box; shutting it with its close button answers Cancel,
  // also for the information box that has only OK.
  virtual Answer ShowMessage(MessageKind kind, std::string_view text) = 0;
  // The open-file dialog, started in folder with no file name; the chosen
  // path, or nothing when cancelled.
  virtual std::optional<std::string> RunOpenDialog(const std::string& folder) = 0;
  // The save-file dialog, started in folder with name filled in.
  virtual std::optional<std::string> RunSaveDialog(std::string_view title,
                                                   const std::string& folder,
                                                   const std::string& name) = 0;
  virtual void ShowAbout() = 0;
  // Starts a cue's sound and returns at once.
  virtual void PlayCue(Cue cue) = 0;
};

}  // namespace dru
