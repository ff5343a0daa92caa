#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "core/drill/display_texts.h"
#include "core/drill/drill.h"

namespace dru::testing {

// A window without a window: records what the logic shows and answers its
// questions from queues filled by the test.
class FakeView : public DrillView, public Dialogs {
 public:
  // What the displays show, from the last snapshot.
  std::string target;
  bool inputEnabled = true;
  std::int64_t currentBar = 0;
  std::int64_t bestBar = 0;
  std::string currentText = std::string(kNoSpeedYetText);
  std::string bestText = std::string(kNoSpeedYetText);
  std::string infoText = std::string(kNoFileText);
  std::string timeText = TimeLine(0, 0, 0);
  bool soundChecked = true;
  bool caseChecked = true;
  bool mistakesChecked = true;
  std::string undoText;           // the Undo item's text; empty: disabled
  std::string spoken;             // what a screen reader was last told
  std::string reviewText;         // the status bar's right end
  std::string reviewUnavailable;  // why Review Due Sentences is disabled
  TextEncoding encoding = TextEncoding::Windows1252;

  // The input box: the test types into it and tells the drill (Type);
  // the drill empties it through the snapshot.
  std::string input;
  bool inputFocused = false;
  std::string status;  // what the status bar shows, in short
  std::vector<Cue> cues;
  std::vector<std::string> messages;
  std::deque<Answer> answers;  // empty: every box is answered OK
  std::deque<std::optional<std::string>> openChoices;
  std::deque<std::optional<std::string>> saveChoices;
  std::vector<std::string> openFolders;  // where each open dialog started
  std::vector<OpenPurpose> openPurposes;
  std::string saveDialogName;  // what the last save dialog started with
  int aboutShown = 0;

  void Show(const DrillSnapshot& shown) override {
    target = shown.target;
    encoding = shown.encoding;
    inputEnabled = shown.inputEnabled;
    // How much of a bar is filled: a faster speed stands full.
    currentBar = std::min(shown.currentSpeed.value_or(0), kBarMax);
    bestBar = std::min(shown.bestSpeed, kBarMax);
    currentText = CurrentSpeedText(shown);
    bestText = BestSpeedText(shown);
    infoText = InfoText(shown);
    timeText = TimeText(shown);
    soundChecked = shown.options.soundEffect;
    caseChecked = shown.options.caseSensitive;
    mistakesChecked = shown.options.showMistakes;
    undoText = UndoText(shown);
    spoken = shown.spoken;
    reviewText = ReviewText(shown);
    reviewUnavailable = shown.reviewUnavailable;
    if (shown.inputClearCount != inputClears) {
      inputClears = shown.inputClearCount;
      input.clear();
    }
    if (shown.statusCount != statusCount && shown.status != nullptr) {
      statusCount = shown.statusCount;
      switch (shown.status->kind) {
        case StatusReport::Kind::Empty:
          status.clear();
          break;
        case StatusReport::Kind::Correct:
          status = "correct";
          break;
        case StatusReport::Kind::Mistakes:
          status = std::to_string(shown.status->comparison.mistakes) + " mistakes";
          break;
        case StatusReport::Kind::Notice:
          status = shown.status->notice;
          break;
      }
    }
  }
  void FocusInput() override { inputFocused = inputEnabled; }

  Answer ShowMessage(MessageKind, std::string_view text) override {
    messages.emplace_back(text);
    if (answers.empty()) return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> RunOpenDialog(const std::string& folder,
                                           OpenPurpose purpose) override {
    openFolders.push_back(folder);
    openPurposes.push_back(purpose);
    return Pop(openChoices);
  }
  std::optional<std::string> RunSaveDialog(std::string_view, const std::string&,
                                           const std::string& name,
                                           std::string_view = {}) override {
    saveDialogName = name;
    return Pop(saveChoices);
  }
  void ShowAbout() override { ++aboutShown; }
  void PlayCue(Cue cue) override { cues.push_back(cue); }

  // A key typed into the box: the drill hears the key, then the box's new
  // text, as from the window. Keys that change no text go to the drill only.
  void Type(Drill& drill, char32_t key, std::string_view text) {
    drill.OnKeyPress(key);
    input += text;
    drill.SetTyped(input);
  }
  void Type(Drill& drill, std::string_view text) {
    for (const char c : text)
      Type(drill, static_cast<unsigned char>(c), std::string_view(&c, 1));
  }
  // The box's text set at once (a paste).
  void Paste(Drill& drill, std::string text) {
    input = std::move(text);
    drill.SetTyped(input);
  }

 private:
  std::uint64_t inputClears = 0;
  std::uint64_t statusCount = 0;

  static std::optional<std::string> Pop(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto value = queue.front();
    queue.pop_front();
    return value;
  }
};

// A sentence file read from lines without a disk: each line as in the file,
// marked or not, in encoding.
inline SentenceFile MakeFile(std::initializer_list<const char*> lines,
                             TextEncoding encoding = TextEncoding::Windows1252) {
  SentenceFile file;
  file.format.encoding = encoding;
  for (const char* line : lines) {
    file.fileLines.Add(line);
    const std::string_view text = line;
    if (text.empty()) continue;
    ++file.records;
    if (IsMarked(text)) {
      ++file.marked;
    } else {
      file.unmarkedList.Add(file.fileLines.At(file.fileLines.Count() - 1));
    }
  }
  return file;
}

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
  std::int64_t milliseconds = 0;  // both clocks
  TimeOfDay NowUtc() const override { return now; }
  std::int64_t UtcMilliseconds() const override { return milliseconds; }
  std::int64_t SteadyMilliseconds() const override { return milliseconds; }
  // Sets the clock so that the reseeded value equals seed.
  void SetSeed(unsigned seed) {
    now = TimeOfDay{seed / 3600000, seed / 60000 % 60, seed / 1000 % 60, seed % 1000};
  }
};

}  // namespace dru::testing
