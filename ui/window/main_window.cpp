// The main window: the drill's displays, the menu and the timer in one
// window, and the view through which the drill shows itself.
#include "ui/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include "ui/drill/drill_panel.h"
#include "ui/drill/input_box.h"
#include "ui/drill/status_line.h"
#include "ui/platform/cue_player.h"
#include "ui/platform/resources.h"
#include "ui/platform/screen_fit.h"
#include "ui/platform/speech_service.h"
#include "ui/platform/text_codec.h"
#include "ui/progress/progress_window.h"
#include "ui/window/about_box.h"
#include "ui/window/file_dialogs.h"
#include "ui/window/menu_bar.h"
#include "ui/window/message_boxes.h"
#include "ui/window/text_import_window.h"
#include "ui/window/titles.h"
#include "ui/window/voice_dialog.h"
#include "ui/window/window_style.h"

namespace dru::ui {

MainWindow::MainWindow(QWidget* parent, const Clock* clock)
    : QMainWindow(parent),
      controller_(std::make_unique<AppController>(*this, *this, *this, clock)) {
  InitResources();
  setObjectName(QStringLiteral("FormDruMain"));
  setWindowTitle(WindowCaption());
  setWindowIcon(QIcon(QStringLiteral(":/icons/dru.png")));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ApplyWindowStyle(*this);
  cues_ = new CuePlayer(this);
  speech_ = new SpeechService(this);

  drillPanel_ = new DrillPanel(this);
  setCentralWidget(drillPanel_);
  Drill& drill = controller_->GetDrill();
  drillPanel_->onTyped = [&drill](std::string bytes) { drill.SetTyped(std::move(bytes)); };
  InputBox& input = drillPanel_->Input();
  input.onKeyDown = [this, &drill](std::uint16_t key) {
    controller_->RunHandler([&drill, key] { drill.OnKeyDown(key); });
  };
  input.onKeyPress = [this, &drill](char32_t key) {
    controller_->RunHandler([&drill, key] { drill.OnKeyPress(key); });
  };

  Commands& commands = controller_->GetCommands();
  // The Progress window follows each answer and each file opened, and the
  // levels that Recall shows.
  const auto refreshProgress = [this] {
    if (progress_ != nullptr && progress_->isVisible()) {
      progress_->Refresh(controller_->GetDrill().Encoding());
    }
  };
  menu_ = new MenuBar(
      this,
      [this, &commands](const std::function<void(Commands&)>& command) {
        controller_->RunHandler([&commands, &command] { command(commands); });
      },
      MenuBar::Windows{[this] { BringInText({}); }, [this] { ImportFile(); }, [this] { Exit(); },
                       [this] { ShowProgress(); }, [this] { ChooseVoice(); }, refreshProgress});
  setMenuBar(menu_);
  aboutBox_ = new AboutBox(this);
  controller_->GetSession().onHistoryChanged = refreshProgress;
  speech_->onUnavailable = [this, &drill](const QString& why) {
    const std::string notice = Tr("Speech", "Speech is not available: %1").arg(why).toStdString();
    controller_->RunHandler([&drill, notice] { drill.SetSpeechUnavailable(notice); });
  };

  auto* timer = new QTimer(this);
  timer->setObjectName(QStringLiteral("TimerDru"));
  timer->setInterval(1000);
  connect(timer, &QTimer::timeout, this,
          [this, &drill] { controller_->RunHandler([&drill] { drill.Tick(); }); });
  timer->start();

  setFixedSize(drillPanel_->width(), DrillPanel::kHeight + menu_->sizeHint().height());
  // Where it has always opened, unless that runs off a small or scaled
  // screen: then as near to it as the free area allows.
  move(FitPosition(size(), QPoint(214, 140), QGuiApplication::primaryScreen()));
}

MainWindow::~MainWindow() {
  controller_->GetSession().onHistoryChanged = nullptr;
}

void MainWindow::ShowProgress() {
  if (progress_ == nullptr)
    progress_ = new ProgressWindow(
        this, controller_->History(), controller_->GetCommands(),
        controller_->GetSession().GetProgressCommands(),
        [this](const std::function<void()>& command) { controller_->RunHandler(command); });
  controller_->RunHandler([this] { progress_->Refresh(controller_->GetDrill().Encoding()); });
  progress_->Present();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  // The window shows first; the file, however large, and the sounds come
  // right after.
  QTimer::singleShot(0, this, [this] {
    controller_->OpenStartFile();
    cues_->Load();
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (controller_->CloseRequested()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::Show(const DrillSnapshot& snapshot) {
  drillPanel_->Show(snapshot);
  menu_->Show(snapshot);
  // Speech is loaded once an option wants it, chosen or remembered.
  if (snapshot.options.speakAfterEnter) speech_->Start();
  if (snapshot.aloudCount != aloudCount_) {
    aloudCount_ = snapshot.aloudCount;
    // Said once the drill's operation is over, after the open file's voice
    // is looked up, which may open the history.
    const bool waiting = !aloud_.isEmpty();
    aloud_ =
        QString::fromUtf8(snapshot.aloud.data(), static_cast<qsizetype>(snapshot.aloud.size()));
    if (!waiting)
      QMetaObject::invokeMethod(
          this, [this] { SayAloud(); }, Qt::QueuedConnection);
  }
}

void MainWindow::SayAloud() {
  const std::string& file = controller_->GetCommands().CurrentFile().path;
  if (file != voiceFile_) {
    voiceFile_ = file;
    speech_->SetVoice(controller_->History().Voice(file).value_or(VoiceChoice{}));
  }
  speech_->Say(std::exchange(aloud_, QString()));
}

void MainWindow::ChooseVoice() {
  const std::string file = controller_->GetCommands().CurrentFile().path;
  speech_->ListVoices([this, file](std::vector<SpeechService::Language> languages) {
    const VoiceChoice current = controller_->History().Voice(file).value_or(VoiceChoice{});
    VoiceDialog dialog(this, std::move(languages), current);
    if (dialog.exec() != QDialog::Accepted) return;
    const VoiceChoice chosen = dialog.Choice();
    controller_->History().KeepVoice(file, chosen);
    voiceFile_ = file;
    speech_->SetVoice(chosen);
  });
}

void MainWindow::ImportFile() {
  Commands& commands = controller_->GetCommands();
  std::optional<std::string> chosen;
  controller_->RunHandler([&] { chosen = commands.ChooseImportSource(); });
  if (chosen) BringInText(*chosen);
}

void MainWindow::BringInText(const std::string& source) {
  Commands& commands = controller_->GetCommands();
  TextImportWindow window(
      this,
      [this, &commands, source](const RecordList& lines, const std::string& suggestion) {
        std::optional<std::string> written;
        controller_->RunHandler([&] { written = commands.SaveNewFile(lines, suggestion, source); });
        return written;
      },
      source, textLanguage_);
  window.mayAsk = [this] { return !ClosingOnSignal(); };
  const bool saved = window.exec() == QDialog::Accepted;
  textLanguage_ = window.Language();
  if (!saved || ClosingOnSignal()) return;
  // Opened as Open opens a file, asking first to save the open one.
  const std::string written = window.Written();
  controller_->RunHandler([&] { commands.OpenNamed(written); });
}

void MainWindow::FocusInput() {
  // Only within our own active window, and never from a box, a menu or a
  // menu bar the user is in.
  InputBox& input = drillPanel_->Input();
  const bool userElsewhere = QApplication::activeModalWidget() != nullptr ||
                             QApplication::activePopupWidget() != nullptr ||
                             QApplication::focusWidget() == menu_;
  if (!input.hasFocus() && isActiveWindow() && !userElsewhere && input.isEnabled()) {
    input.setFocus(Qt::OtherFocusReason);
  }
}

Answer MainWindow::ShowMessage(MessageKind kind, std::string_view text) {
  const bool irreversible = kind == MessageKind::Irreversible;
  const Answer answer = AskUser(this, irreversible ? MessageKind::Confirmation : kind,
                                MessageText(text), irreversible);
  controller_->EndHandlerOnSignal();
  return answer;
}

std::optional<std::string> MainWindow::RunOpenDialog(const std::string& folder,
                                                     OpenPurpose purpose) {
  const QString chosen = purpose == OpenPurpose::Import ? ChooseFileToImport(this, PathText(folder))
                                                        : ChooseFileToOpen(this, PathText(folder));
  controller_->EndHandlerOnSignal();
  if (chosen.isEmpty()) return std::nullopt;
  return PathBytes(chosen);
}

std::optional<std::string> MainWindow::RunSaveDialog(std::string_view title,
                                                     const std::string& folder,
                                                     const std::string& name,
                                                     std::string_view filter) {
  const QString chosen = ChooseFileToSave(this, MessageText(title), PathText(folder),
                                          PathText(name), MessageText(filter));
  controller_->EndHandlerOnSignal();
  if (chosen.isEmpty()) return std::nullopt;
  return PathBytes(chosen);
}

void MainWindow::ShowAbout() {
  aboutBox_->exec();
}

void MainWindow::PlayCue(Cue cue) {
  cues_->Play(cue);
}

}  // namespace dru::ui
