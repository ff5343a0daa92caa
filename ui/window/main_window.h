#pragma once

#include <QMainWindow>
#include <memory>

#include "core/drill/drill_view.h"
#include "ui/window/app_controller.h"

namespace dru::ui {

class AboutBox;
class CuePlayer;
class SpeechService;
class DrillPanel;
class MenuBar;
class ProgressWindow;

// FormDruMain: puts the drill's displays, the menu and the one-second timer
// together in one window, and is the drill's view: it shows snapshots,
// boxes, dialogs and sounds.
class MainWindow : public QMainWindow, public DrillView, public Dialogs {
 public:
  // clock: the system's, unless a test brings its own.
  explicit MainWindow(QWidget* parent = nullptr, const Clock* clock = nullptr);
  ~MainWindow() override;

  std::optional<int> StartUp(WindowActivator& activator, const std::string& file = {}) {
    return controller_->StartUp(activator, file);
  }
  // File, Exit: asks the window to close; the closing sequence follows.
  void Exit() { close(); }
  void CloseOnSignal() { controller_->CloseOnSignal(); }
  bool ClosingOnSignal() const noexcept { return controller_->ClosingOnSignal(); }
  AppController& Controller() noexcept { return *controller_; }

  // DrillView and Dialogs.
  void Show(const DrillSnapshot& snapshot) override;
  void FocusInput() override;
  Answer ShowMessage(MessageKind kind, std::string_view text) override;
  std::optional<std::string> RunOpenDialog(const std::string& folder, OpenPurpose purpose) override;
  std::optional<std::string> RunSaveDialog(std::string_view title, const std::string& folder,
                                           const std::string& name,
                                           std::string_view filter = {}) override;
  void ShowAbout() override;
  void PlayCue(Cue cue) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Options, Progress: the window, opened or brought to the front.
  void ShowProgress();

  std::unique_ptr<AppController> controller_;
  DrillPanel* drillPanel_ = nullptr;
  MenuBar* menu_ = nullptr;
  AboutBox* aboutBox_ = nullptr;
  CuePlayer* cues_ = nullptr;
  SpeechService* speech_ = nullptr;
  std::uint64_t aloudCount_ = 0;  // the drill's count of sentences to say, as last heard
  // What is to be said once the drill's operation is over, and the file
  // whose voice the service has.
  QString aloud_;
  std::string voiceFile_;
  void SayAloud();
  void ChooseVoice();
  // File › Import…: the file chosen, then its preview.
  void ImportFile();
  // The preview window for source (the paste box when empty); what it
  // saves is then opened.
  void BringInText(const std::string& source);
  QString textLanguage_;  // chosen in the last such window, for the next
  bool painted_ = false;
  ProgressWindow* progress_ = nullptr;
};

}  // namespace dru::ui
