#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "clock.h"
#include "commands.h"
#include "drill.h"
#include "lifecycle.h"
#include "single_instance.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTimer;

namespace dru::ui {

class CuePlayer;
class InputBox;
class TargetDisplay;
class AboutBox;

// The main window: hosts the drill's displays, the menu, the dialogs and
// the one-second timer, and owns the drill state.
class MainWindow : public QMainWindow, public DrillView {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: the single-instance check, then the settings and the last
  // file. False when another instance runs and this one must end at once.
  bool StartUp(WindowActivator& activator);

  // File, Exit: asks the window to close; the closing sequence follows.
  void Exit() { close(); }
  // A termination signal: any open box is shut and the handler that showed
  // it ends, then the window closes with failures reported on standard
  // error, since nobody may be there to answer.
  void CloseOnSignal();
  bool ClosingOnSignal() const noexcept { return closingOnSignal_; }

  Drill& GetDrill() noexcept { return drill_; }
  Commands& GetCommands() noexcept { return commands_; }
  enum class Report { InBox, OnStandardError };
  // Runs an event handler; an error ends it and is shown in the general
  // error report, after which the program waits for the next event.
  void RunHandler(const std::function<void()>& handler, Report report = Report::InBox);

  // DrillView.
  void SetTextEncoding(TextEncoding encoding) override;
  const std::string& TargetText() const override;
  void SetTargetText(std::string_view text) override;
  std::string InputText() const override;
  void ClearInput() override;
  void SetInputEnabled(bool enabled) override;
  bool InputHasFocus() const override;
  void FocusInput() override;
  void SetCurrentSpeedBar(std::int64_t position) override;
  std::int64_t CurrentSpeedBar() const override;
  void SetBestSpeedBar(std::int64_t position) override;
  std::int64_t BestSpeedBar() const override;
  std::string CurrentSpeedText() const override;
  void SetCurrentSpeedText(std::string_view text) override;
  void SetBestSpeedText(std::string_view text) override;
  void SetInfoText(std::string_view text) override;
  void SetTimeText(std::string_view text) override;
  bool SoundEffectChecked() const override;
  void SetSoundEffectChecked(bool checked) override;
  bool CaseSensitiveChecked() const override;
  void SetCaseSensitiveChecked(bool checked) override;
  bool ShowMistakesChecked() const override;
  void SetShowMistakesChecked(bool checked) override;
  void ShowMistakes(std::string_view typed, std::string_view expected,
                    const Comparison& comparison) override;
  void ShowCorrect() override;
  void ClearStatus() override;
  void SetUndoText(std::string_view text) override;
  Answer ShowMessage(MessageKind kind, std::string_view text) override;
  std::optional<std::string> RunOpenDialog() override;
  void SetSaveDialogFileName(std::string_view name) override;
  std::optional<std::string> RunSaveDialog(std::string_view title) override;
  void ShowAbout() override;
  void PlayCue(Cue cue) override;

 protected:
  // The closing sequence: save changes, write the settings, free the lists.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Thrown from a box that a signal shut, to end the handler that showed it.
  struct EndedBySignal {};
  void EndHandlerOnSignal() const;
  void BuildControls();
  void BuildMenu();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                   void (Commands::*command)(), bool checkable = false);

  SystemClock clock_;
  Drill drill_;
  Commands commands_;
  Lifecycle lifecycle_;
  std::unique_ptr<InstanceLock> instanceLock_;
  QString saveDialogFileName_;
  bool closingOnSignal_ = false;

  TargetDisplay* targetDisplay_ = nullptr;
  InputBox* inputBox_ = nullptr;
  QLabel* bestSpeedLabel_ = nullptr;
  QLabel* currentSpeedLabel_ = nullptr;
  QLabel* infoLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QProgressBar* bestSpeedBar_ = nullptr;
  QProgressBar* currentSpeedBar_ = nullptr;
  QAction* soundEffectItem_ = nullptr;
  QAction* caseSensitiveItem_ = nullptr;
  QAction* showMistakesItem_ = nullptr;
  QAction* undoItem_ = nullptr;
  QLabel* statusText_ = nullptr;
  QTimer* statusClear_ = nullptr;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  AboutBox* aboutBox_ = nullptr;
  CuePlayer* cues_ = nullptr;
};

}  // namespace dru::ui
