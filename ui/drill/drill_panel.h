#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/drill/drill_snapshot.h"
#include "core/text/typed_match.h"

class QLabel;
class QProgressBar;

class QGroupBox;

namespace dru::ui {

class Announcer;
class InputBox;
class StatusLine;
class TargetDisplay;

// ClientArea: the drill's displays in their fixed layout: the sentence, the
// input box, the statistics group and the status line.
class DrillPanel : public QWidget {
 public:
  static constexpr int kWidth = 368;
  static constexpr int kHeight = 232;

  explicit DrillPanel(QWidget* parent);

  // Draws what changed since the last snapshot.
  void Show(const DrillSnapshot& snapshot);

  InputBox& Input() const noexcept { return *inputBox_; }
  // Told the box's text, in the file's encoding, after each change.
  std::function<void(std::string)> onTyped;
  StatusLine& Status() const noexcept { return *statusLine_; }
  TextEncoding Encoding() const noexcept { return encoding_; }

 private:
  TargetDisplay* targetDisplay_ = nullptr;
  InputBox* inputBox_ = nullptr;
  QLabel* bestSpeedLabel_ = nullptr;
  QLabel* currentSpeedLabel_ = nullptr;
  QLabel* infoLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QProgressBar* bestSpeedBar_ = nullptr;
  QProgressBar* currentSpeedBar_ = nullptr;
  StatusLine* statusLine_ = nullptr;
  Announcer* announcer_ = nullptr;
  QLabel* reviewLabel_ = nullptr;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  int numberRight_ = 0;  // where the speed numbers end, in the group box
  std::uint64_t spokenCount_ = 0;
  std::uint64_t statusCount_ = 0;
  std::uint64_t inputClearCount_ = 0;
  bool markWhileTyping_ = false;
  bool clearing_ = false;  // the box is emptied as the drill asked
  MatchRule matchRule_;
  // The sentence on display, and its cue while Recall is on.
  std::string target_;
  const RecallCue* recall_ = nullptr;
  std::uint64_t cueCount_ = 0;
  // The text typed against: the cue's part, else the sentence.
  std::string_view ToType() const noexcept;
  // Draws the cue with the characters typed right so far shown.
  void ShowCue();
  void MarkTyping();
  void ShowStatus(const StatusReport& status);
  // Widens the captions, and the window if it must, to the translated texts.
  void FitTexts(const std::vector<QLabel*>& captions, const std::vector<QLabel*>& units,
                std::initializer_list<QWidget*> wide);
  // The parts of the constructor: the sentence over the box it is typed
  // into, the statistics with their speed bars, the status line.
  struct Statistics {
    QGroupBox* box;
    std::vector<QLabel*> captions;
    std::vector<QLabel*> units;
  };
  void MakeSentenceAndBox();
  Statistics MakeStatistics();
  void MakeStatusLine();
};

}  // namespace dru::ui
