#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "display_texts.h"
#include "drill.h"

namespace dru::testing {

// A window without a window: records what the logic shows and answers its
// questions from queues filled by the test.
class FakeView : public DrillView {
 public:
  std::string target;
  std::string input;
  bool inputEnabled = true;
  bool inputFocused = false;
  std::int64_t currentBar = 0;
  std::int64_t bestBar = 0;
  std::string currentText = std::string(kNoSpeedYetText);
  std::string bestText = std::string(kNoSpeedYetText);
  std::string infoText = std::string(kNoFileText);
  std::string timeText = TimeLine(0, 0, 0);
  bool soundChecked = true;
  bool caseChecked = true;
  bool mistakesChecked = true;
  std::string status;    // what the status bar shows, in short
  std::string undoText;  // the Undo item's text; empty: disabled
  TextEncoding encoding = TextEncoding::Windows1252;

  std::vector<Cue> cues;
  std::vector<std::string> messages;
  std::deque<Answer> answers;  // empty: every box is answered OK
  std::deque<std::optional<std::string>> openChoices;
  std::deque<std::optional<std::string>> saveChoices;
  std::string saveDialogName;
  int aboutShown = 0;

  void SetTextEncoding(TextEncoding shown) override { encoding = shown; }
  const std::string& TargetText() const override { return target; }
  void SetTargetText(std::string_view text) override { target = text; }
  std::string InputText() const override { return input; }
  void ClearInput() override { input.clear(); }
  void SetInputEnabled(bool enabled) override { inputEnabled = enabled; }
  bool InputHasFocus() const override { return inputFocused; }
  void FocusInput() override { inputFocused = inputEnabled; }
  void SetCurrentSpeedBar(std::int64_t position) override { currentBar = ClampBar(position); }
  std::int64_t CurrentSpeedBar() const override { return currentBar; }
  void SetBestSpeedBar(std::int64_t position) override { bestBar = ClampBar(position); }
  std::int64_t BestSpeedBar() const override { return bestBar; }
  std::string CurrentSpeedText() const override { return currentText; }
  void SetCurrentSpeedText(std::string_view text) override { currentText = text; }
  void SetBestSpeedText(std::string_view text) override { bestText = text; }
  void SetInfoText(std::string_view text) override { infoText = text; }
  void SetTimeText(std::string_view text) override { timeText = text; }
  bool SoundEffectChecked() const override { return soundChecked; }
  void SetSoundEffectChecked(bool checked) override { soundChecked = checked; }
  bool CaseSensitiveChecked() const override { return caseChecked; }
  void SetCaseSensitiveChecked(bool checked) override { caseChecked = checked; }
  bool ShowMistakesChecked() const override { return mistakesChecked; }
  void SetShowMistakesChecked(bool checked) override { mistakesChecked = checked; }
  void ShowMistakes(std::string_view, std::string_view, const Comparison& comparison) override {
    status = std::to_string(comparison.mistakes) + " mistakes";
  }
  void ShowCorrect() override { status = "correct"; }
  void ClearStatus() override { status.clear(); }
  void SetUndoText(std::string_view text) override { undoText = text; }

  Answer ShowMessage(MessageKind, std::string_view text) override {
    messages.emplace_back(text);
    if (answers.empty()) return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> RunOpenDialog() override { return Pop(openChoices); }
  void SetSaveDialogFileName(std::string_view name) override { saveDialogName = name; }
  std::optional<std::string> RunSaveDialog(std::string_view) override {
    auto choice = Pop(saveChoices);
    if (choice) saveDialogName = *choice;
    return choice;
  }
  void ShowAbout() override { ++aboutShown; }
  void PlayCue(Cue cue) override { cues.push_back(cue); }

 private:
  static std::optional<std::string> Pop(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto value = queue.front();
    queue.pop_front();
    return value;
  }
};

// The entries of a record list, for comparing with expected lines.
inline std::vector<std::string> Entries(const RecordList& list) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < list.Count(); ++i)
    out.emplace_back(list.Get(i));
  return out;
}

// A clock that stands still at a time the test chooses.
class FixedClock : public Clock {
 public:
  TimeOfDay now;
  TimeOfDay NowUtc() const override { return now; }
  // Sets the clock so that the reseeded value equals seed.
  void SetSeed(unsigned seed) {
    now = TimeOfDay{seed / 3600000, seed / 60000 % 60, seed / 1000 % 60, seed % 1000};
  }
};

}  // namespace dru::testing
