#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSessionManager>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <new>

#include "about_box.h"
#include "cp1252_codec.h"
#include "cue_player.h"
#include "display_texts.h"
#include "file_dialogs.h"
#include "input_box.h"
#include "io_error.h"
#include "message_boxes.h"
#include "mistake_text.h"
#include "quit_signals.h"
#include "resources.h"
#include "target_display.h"
#include "text_codec.h"
#include "titles.h"
#include "window_style.h"

namespace dru::ui {
namespace {

constexpr int kClientWidth = 368;
constexpr int kClientHeight = 232;
// Where the speed numbers end, in the group box, and their least width.
constexpr int kNumberRight = 259 + 24;
constexpr int kNumberWidth = 24;

QLabel* MakeLabel(QWidget* parent, const char* name, std::string_view text, QRect geometry,
                  bool bold = false) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QProgressBar* MakeBar(QWidget* parent, const char* name, const char* accessibleName,
                      QRect geometry) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setAccessibleName(QString::fromLatin1(accessibleName));
  bar->setRange(static_cast<int>(kBarMin), static_cast<int>(kBarMax));
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setGeometry(geometry);
  return bar;
}

// Labels that grow with their text keep their place and height.
void SetLabelText(QLabel* label, std::string_view text) {
  label->setText(ToQString(text));
  label->resize(std::max(label->sizeHint().width(), 1), label->height());
}

// The speed numbers keep their right edge, next to "Keys/min", and grow
// to the left; the bar beside them tells assistive tools the true number,
// past the 600 where it stops.
void SetNumberText(QLabel* label, QProgressBar* bar, std::string_view text) {
  label->setText(ToQString(text));
  const int width = std::max(label->sizeHint().width(), kNumberWidth);
  label->setGeometry(kNumberRight - width, label->y(), width, label->height());
  bar->setAccessibleDescription(ToQString(text) + QStringLiteral(" keys per minute"));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), drill_(*this, clock_), commands_(drill_), lifecycle_(drill_, commands_) {
  InitResources();
  setObjectName(QStringLiteral("FormDruMain"));
  setWindowTitle(QString::fromUtf8(kWindowCaption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/dru.png")));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ApplyWindowStyle(*this);
  cues_ = new CuePlayer(this);
  BuildControls();
  BuildMenu();
  aboutBox_ = new AboutBox(this);

  auto* timer = new QTimer(this);
  timer->setObjectName(QStringLiteral("TimerDru"));
  timer->setInterval(1000);
  connect(timer, &QTimer::timeout, this, [this] { RunHandler([this] { drill_.Tick(); }); });
  timer->start();

  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  move(214, 140);
}

MainWindow::~MainWindow() = default;

bool MainWindow::StartUp(WindowActivator& activator) {
  if (ClaimInstance(RuntimeFolder(), instanceLock_) == InstanceClaim::AnotherRunning) {
    activator.ActivateWindowByCaption(kWindowCaption);
    return false;
  }
  // Session end (log-off) runs the closing sequence's saving steps too,
  // with nobody there to answer a box.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
    RunHandler([this] { lifecycle_.SaveBeforeClose(false); }, Report::OnStandardError);
    RunHandler([this] { lifecycle_.WriteIniFile(); }, Report::OnStandardError);
  });
  RunHandler([this] { lifecycle_.StartUp(); });
  return true;
}

void MainWindow::CloseOnSignal() {
  closingOnSignal_ = true;
  // A box of ours is answered Cancel and the handler that asked ends
  // there; the close follows once no box is left.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QTimer::singleShot(0, this, [this] { CloseOnSignal(); });
    return;
  }
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const bool unattended = closingOnSignal_;
  closingOnSignal_ = false;  // a close that fails leaves the window to its user
  const Report report = unattended ? Report::OnStandardError : Report::InBox;
  bool saved = false;
  RunHandler([&] { saved = lifecycle_.SaveBeforeClose(!unattended); }, report);
  if (!saved) {
    event->ignore();  // the user can retry, or close the file without saving
    if (unattended) QuitSignals::CloseEnded();
    return;
  }
  // A failed settings write is shown; the program ends all the same, so an
  // unwritable folder never keeps the window from closing.
  RunHandler([this] { lifecycle_.WriteIniFile(); }, report);
  lifecycle_.FreeLists();
  event->accept();
}

void MainWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  auto* bevel = new QFrame(client);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(8, 56, 350, 42);

  targetDisplay_ = new TargetDisplay(client);
  targetDisplay_->setObjectName(QStringLiteral("StaticTextTXD"));
  // Assistive tools read a label's text as its name: the sentence itself,
  // and for the speeds their numbers. The role goes in the description.
  targetDisplay_->setAccessibleDescription(QStringLiteral("Sentence to type"));
  targetDisplay_->setGeometry(8, 8, 350, 42);

  inputBox_ = new InputBox(client);
  inputBox_->setObjectName(QStringLiteral("MemoTPD"));
  inputBox_->setAccessibleName(QStringLiteral("Typed text"));
  inputBox_->setGeometry(9, 57, 348, 40);
  inputBox_->onKeyDown = [this](std::uint16_t key) {
    RunHandler([this, key] { drill_.OnKeyDown(key); });
  };
  inputBox_->onKeyPress = [this](char32_t key) {
    RunHandler([this, key] { drill_.OnKeyPress(key); });
  };

  auto* statistics = new QGroupBox(QStringLiteral("Statistics"), client);
  statistics->setObjectName(QStringLiteral("Statistics"));
  statistics->setGeometry(8, 101, 350, 100);
  MakeLabel(statistics, "Label1", "Max Speed: ", {8, 21, 72, 13});
  MakeLabel(statistics, "Label2", "Current Speed:", {8, 37, 89, 13});
  bestSpeedLabel_ = MakeLabel(statistics, "LabelMS", kNoSpeedYetText, {259, 21, 24, 13}, true);
  currentSpeedLabel_ = MakeLabel(statistics, "LabelCS", kNoSpeedYetText, {259, 37, 24, 13}, true);
  bestSpeedLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  currentSpeedLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  bestSpeedLabel_->setAccessibleDescription(QStringLiteral("Best speed in keys per minute"));
  currentSpeedLabel_->setAccessibleDescription(QStringLiteral("Current speed in keys per minute"));
  MakeLabel(statistics, "Label3", "Keys/min", {288, 21, 54, 13});
  MakeLabel(statistics, "Label4", "Keys/min", {288, 37, 54, 13});
  infoLabel_ = MakeLabel(statistics, "LabelInfo", kNoFileText, {8, 55, 113, 13});
  timeLabel_ = MakeLabel(statistics, "Label6", TimeLine(0, 0, 0), {8, 71, 236, 13});
  // These two grow with their text from the start.
  SetLabelText(infoLabel_, kNoFileText);
  SetLabelText(timeLabel_, TimeLine(0, 0, 0));

  // The bars lie over the group box, level with their labels.
  bestSpeedBar_ = MakeBar(client, "ProgressBarMS", "Best speed", {112, 124, 140, 10});
  currentSpeedBar_ = MakeBar(client, "ProgressBarCS", "Current speed", {112, 140, 140, 10});

  auto* statusBar = new QStatusBar(client);
  statusBar->setObjectName(QStringLiteral("StatusBarMain"));
  statusBar->setSizeGripEnabled(false);
  statusBar->setGeometry(0, 213, 368, 19);
  // The result of the last Enter, while Show Mistakes is on.
  statusText_ = new QLabel(statusBar);
  statusText_->setObjectName(QStringLiteral("StatusText"));
  statusText_->setTextFormat(Qt::RichText);
  statusBar->addWidget(statusText_, 1);
  statusClear_ = new QTimer(this);
  statusClear_->setSingleShot(true);
  statusClear_->setInterval(2000);
  connect(statusClear_, &QTimer::timeout, this, [this] { ClearStatus(); });
}

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                             void (Commands::*command)(), bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (checkable) {
    action->setCheckable(true);
    action->setChecked(true);
    // Undoes Qt's own toggle first: the command inverts the mark itself.
    connect(action, &QAction::triggered, action,
            [action](bool checked) { action->setChecked(!checked); });
  }
  if (shortcut != 0) {
    action->setShortcut(QKeySequence(shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
  }
  connect(action, &QAction::triggered, this,
          [this, command] { RunHandler([this, command] { (commands_.*command)(); }); });
  return action;
}

void MainWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MenuDruMain"));
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  AddItem(file, "Open1", QStringLiteral("&Open..."), 0, &Commands::Open);
  AddItem(file, "Save1", QStringLiteral("&Save"), 0, &Commands::Save);
  AddItem(file, "SaveAs1", QStringLiteral("Save &As..."), 0, &Commands::SaveAs);
  AddItem(file, "Close1", QStringLiteral("&Close"), 0, &Commands::Close);
  file->addSeparator()->setObjectName(QStringLiteral("N1"));
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("Exit1"));
  connect(exit, &QAction::triggered, this, [this] { Exit(); });

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  undoItem_ = AddItem(edit, "Undo1", QStringLiteral("&Undo"), Qt::Key_F7, &Commands::Undo);
  undoItem_->setEnabled(false);
  edit->addSeparator()->setObjectName(QStringLiteral("N2"));
  AddItem(edit, "ClearAllMarks1", QStringLiteral("&Clear All Marks"), Qt::Key_F8,
          &Commands::ClearAllMarks);
  AddItem(edit, "MarkReady1", QStringLiteral("&Mark Ready"), Qt::Key_F12, &Commands::MarkReady);
  AddItem(edit, "PreviousSentence1", QStringLiteral("Previous Sentence"), Qt::Key_F9,
          &Commands::PreviousSentence);

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("Options1"));
  soundEffectItem_ = AddItem(options, "SoundEffect1", QStringLiteral("&Sound Effect"), Qt::Key_F4,
                             &Commands::ToggleSoundEffect, true);
  caseSensitiveItem_ = AddItem(options, "CaseSensitive1", QStringLiteral("&Case Sensitive"),
                               Qt::Key_F5, &Commands::ToggleCaseSensitive, true);
  showMistakesItem_ = AddItem(options, "ShowMistakes1", QStringLiteral("Show &Mistakes"),
                              Qt::Key_F6, &Commands::ToggleShowMistakes, true);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  AddItem(help, "About1", QStringLiteral("&About..."), 0, &Commands::About);
}

void MainWindow::RunHandler(const std::function<void()>& handler, Report report) {
  std::string failure;
  try {
    handler();
    return;
  } catch (const EndedBySignal&) {
    return;
  } catch (const std::bad_alloc&) {
    failure = "Not enough memory";
  } catch (const std::exception& error) {
    failure = error.what();
  }
  if (report == Report::OnStandardError) {
    std::fprintf(stderr, "dru: %s\n", WithFullStop(failure).c_str());
  } else {
    ShowErrorReport(this, failure);
  }
}

void MainWindow::EndHandlerOnSignal() const {
  if (closingOnSignal_) throw EndedBySignal{};
}

const std::string& MainWindow::TargetText() const {
  return targetDisplay_->Bytes();
}
void MainWindow::SetTextEncoding(TextEncoding encoding) {
  encoding_ = encoding;
  targetDisplay_->SetEncoding(encoding);
  inputBox_->SetEncoding(encoding);
}

void MainWindow::SetTargetText(std::string_view text) {
  targetDisplay_->SetBytes(text);
}
std::string MainWindow::InputText() const {
  return inputBox_->Bytes();
}
void MainWindow::ClearInput() {
  inputBox_->clear();
}
void MainWindow::SetInputEnabled(bool enabled) {
  inputBox_->setEnabled(enabled);
}
bool MainWindow::InputHasFocus() const {
  return inputBox_->hasFocus();
}

void MainWindow::FocusInput() {
  // Only within our own active window, and never from a box of ours.
  if (isActiveWindow() && QApplication::activeModalWidget() == nullptr && inputBox_->isEnabled()) {
    inputBox_->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::SetCurrentSpeedBar(std::int64_t position) {
  currentSpeedBar_->setValue(static_cast<int>(ClampBar(position)));
}
std::int64_t MainWindow::CurrentSpeedBar() const {
  return currentSpeedBar_->value();
}
void MainWindow::SetBestSpeedBar(std::int64_t position) {
  bestSpeedBar_->setValue(static_cast<int>(ClampBar(position)));
}
std::int64_t MainWindow::BestSpeedBar() const {
  return bestSpeedBar_->value();
}
std::string MainWindow::CurrentSpeedText() const {
  return FromQString(currentSpeedLabel_->text());
}
void MainWindow::SetCurrentSpeedText(std::string_view text) {
  SetNumberText(currentSpeedLabel_, currentSpeedBar_, text);
}
void MainWindow::SetBestSpeedText(std::string_view text) {
  SetNumberText(bestSpeedLabel_, bestSpeedBar_, text);
}
void MainWindow::SetInfoText(std::string_view text) {
  SetLabelText(infoLabel_, text);
}
void MainWindow::SetTimeText(std::string_view text) {
  SetLabelText(timeLabel_, text);
}
bool MainWindow::SoundEffectChecked() const {
  return soundEffectItem_->isChecked();
}
void MainWindow::SetSoundEffectChecked(bool checked) {
  soundEffectItem_->setChecked(checked);
}
bool MainWindow::CaseSensitiveChecked() const {
  return caseSensitiveItem_->isChecked();
}
void MainWindow::SetCaseSensitiveChecked(bool checked) {
  caseSensitiveItem_->setChecked(checked);
}

bool MainWindow::ShowMistakesChecked() const {
  return showMistakesItem_->isChecked();
}
void MainWindow::SetShowMistakesChecked(bool checked) {
  showMistakesItem_->setChecked(checked);
}

void MainWindow::ShowMistakes(std::string_view typed, std::string_view expected,
                              const Comparison& comparison) {
  const MistakeText text = DescribeMistakes(typed, expected, comparison, encoding_,
                                            statusText_->fontMetrics(), statusText_->width());
  statusClear_->stop();
  statusText_->setText(text.line);
  statusText_->setToolTip(text.toolTip);
  statusText_->setAccessibleName(text.summary);
}

void MainWindow::ShowCorrect() {
  statusText_->setText(QStringLiteral("Correct."));
  statusText_->setToolTip(QString());
  statusText_->setAccessibleName(QStringLiteral("Correct."));
  statusClear_->start();
}

void MainWindow::ClearStatus() {
  statusClear_->stop();
  statusText_->clear();
  statusText_->setToolTip(QString());
  statusText_->setAccessibleName(QString());
}

void MainWindow::SetUndoText(std::string_view text) {
  undoItem_->setEnabled(!text.empty());
  undoItem_->setText(text.empty() ? QStringLiteral("&Undo")
                                  : QStringLiteral("&") +
                                        QString::fromUtf8(text.data(), qsizetype(text.size())));
}

Answer MainWindow::ShowMessage(MessageKind kind, std::string_view text) {
  const Answer answer = AskUser(this, kind, MessageText(text));
  EndHandlerOnSignal();
  return answer;
}

std::optional<std::string> MainWindow::RunOpenDialog() {
  const QString chosen = ChooseFileToOpen(this);
  EndHandlerOnSignal();
  if (chosen.isEmpty()) return std::nullopt;
  return PathBytes(chosen);
}

void MainWindow::SetSaveDialogFileName(std::string_view name) {
  saveDialogFileName_ = PathText(name);
}

std::optional<std::string> MainWindow::RunSaveDialog(std::string_view title) {
  const QString chosen = ChooseFileToSave(this, MessageText(title), saveDialogFileName_);
  EndHandlerOnSignal();
  if (chosen.isEmpty()) return std::nullopt;
  saveDialogFileName_ = chosen;
  return PathBytes(chosen);
}

void MainWindow::ShowAbout() {
  aboutBox_->exec();
}

void MainWindow::PlayCue(Cue cue) {
  cues_->Play(cue);
}

}  // namespace dru::ui
