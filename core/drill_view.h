#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cue.h"
#include "mistakes.h"
#include "text_encoding.h"

namespace dru {

enum class MessageKind { Information, Confirmation };
enum class Answer { Ok, Cancel };

// Range of both speed bars; positions outside it are stored clamped.
inline constexpr std::int64_t kBarMin = 0;
inline constexpr std::int64_t kBarMax = 600;

inline std::int64_t ClampBar(std::int64_t position) {
  return position < kBarMin ? kBarMin : (position > kBarMax ? kBarMax : position);
}

// The displays the drill logic shows itself through, and the services of
// its surroundings. The window implements it; tests use a fake.
class DrillView {
 public:
  virtual ~DrillView() = default;

  // The encoding of the open file's bytes, in which the target is shown
  // and the input box is read back.
  virtual void SetTextEncoding(TextEncoding encoding) = 0;

  // StaticTextTXD, the target display: the exact bytes last set.
  virtual const std::string& TargetText() const = 0;
  virtual void SetTargetText(std::string_view text) = 0;

  // MemoTPD, the input box. The logic only ever empties it.
  virtual std::string InputText() const = 0;
  virtual void ClearInput() = 0;
  virtual void SetInputEnabled(bool enabled) = 0;
  virtual bool InputHasFocus() const = 0;
  virtual void FocusInput() = 0;

  // ProgressBarCS and ProgressBarMS: positions are clamped by ClampBar.
  virtual void SetCurrentSpeedBar(std::int64_t position) = 0;
  virtual std::int64_t CurrentSpeedBar() const = 0;
  virtual void SetBestSpeedBar(std::int64_t position) = 0;
  virtual std::int64_t BestSpeedBar() const = 0;

  // LabelCS, LabelMS, LabelInfo and Label6.
  virtual std::string CurrentSpeedText() const = 0;
  virtual void SetCurrentSpeedText(std::string_view text) = 0;
  virtual void SetBestSpeedText(std::string_view text) = 0;
  virtual void SetInfoText(std::string_view text) = 0;
  virtual void SetTimeText(std::string_view text) = 0;

  // Check marks of the menu items SoundEffect1 and CaseSensitive1.
  virtual bool SoundEffectChecked() const = 0;
  virtual void SetSoundEffectChecked(bool checked) = 0;
  virtual bool CaseSensitiveChecked() const = 0;
  virtual void SetCaseSensitiveChecked(bool checked) = 0;

  // Check mark of ShowMistakes1.
  virtual bool ShowMistakesChecked() const = 0;
  virtual void SetShowMistakesChecked(bool checked) = 0;
  // StatusBarMain: after a wrong Enter, typed against expected as compared
  // (the comparison's characters lie in those two texts); after a right
  // one, a brief confirmation; cleared by the next key and on Open and
  // Close.
  virtual void ShowMistakes(std::string_view typed, std::string_view expected,
                            const Comparison& comparison) = 0;
  virtual void ShowCorrect() = 0;
  virtual void ClearStatus() = 0;
  // The Edit menu's Undo item: what it would undo ("Undo Mark Ready"), or
  // empty when there is nothing to undo and the item is disabled.
  virtual void SetUndoText(std::string_view text) = 0;

  // Modal message box; shutting it with its close button answers Cancel,
  // also for the information box that has only OK.
  virtual Answer ShowMessage(MessageKind kind, std::string_view text) = 0;
  // The open-file dialog, started with no file name in the working
  // directory; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> RunOpenDialog() = 0;
  // The save-file dialog keeps its file name between uses.
  virtual void SetSaveDialogFileName(std::string_view name) = 0;
  virtual std::optional<std::string> RunSaveDialog(std::string_view title) = 0;
  virtual void ShowAbout() = 0;
  // Starts a cue's sound and returns at once.
  virtual void PlayCue(Cue cue) = 0;
};

}  // namespace dru
