#include "form_dru_main.h"

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

#include "about_box.h"
#include "cp1252_codec.h"
#include "cue_player.h"
#include "file_dialogs.h"
#include "input_box.h"
#include "message_boxes.h"
#include "resources.h"
#include "target_display.h"
#include "titles.h"
#include "window_style.h"

namespace dru::ui {
namespace {

constexpr int kClientWidth = 368;
constexpr int kClientHeight = 232;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QRect geometry,
                  bool bold = false) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
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

}  // namespace

TFormDruMain::TFormDruMain(QWidget* parent)
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

  TimerDru = new QTimer(this);
  TimerDru->setObjectName(QStringLiteral("TimerDru"));
  TimerDru->setInterval(1000);
  connect(TimerDru, &QTimer::timeout, this,
          [this] { RunHandler([this] { drill_.TimerDruTimer(); }); });
  TimerDru->start();

  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  move(214, 140);
}

TFormDruMain::~TFormDruMain() = default;

bool TFormDruMain::FormCreate(WindowActivator& activator) {
  if (ClaimInstance(RuntimeFolder(), instanceLock_) == InstanceClaim::AnotherRunning) {
    activator.ActivateWindowByCaption(kWindowCaption);
    return false;
  }
  // Session end (log-off) runs the closing sequence's saving steps too.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
    RunHandler([this] { lifecycle_.SaveBeforeClose(); });
    RunHandler([this] { lifecycle_.WriteIniFile(); });
  });
  RunHandler([this] { lifecycle_.FormCreate(); });
  return true;
}

void TFormDruMain::closeEvent(QCloseEvent* event) {
  bool saved = false;
  RunHandler([&] {
    lifecycle_.SaveBeforeClose();
    saved = true;
  });
  if (!saved) {
    event->ignore();  // the user can retry, or close the file without saving
    return;
  }
  // A failed settings write is shown; the program ends all the same, so an
  // unwritable folder never keeps the window from closing.
  RunHandler([this] { lifecycle_.WriteIniFile(); });
  lifecycle_.FreeLists();
  event->accept();
}

void TFormDruMain::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  auto* bevel = new QFrame(client);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(8, 56, 350, 42);

  StaticTextTXD = new TargetDisplay(client);
  StaticTextTXD->setObjectName(QStringLiteral("StaticTextTXD"));
  StaticTextTXD->setAccessibleName(QStringLiteral("Sentence to type"));
  StaticTextTXD->setGeometry(8, 8, 350, 42);

  MemoTPD = new InputBox(client);
  MemoTPD->setObjectName(QStringLiteral("MemoTPD"));
  MemoTPD->setAccessibleName(QStringLiteral("Typed text"));
  MemoTPD->setGeometry(9, 57, 348, 40);
  MemoTPD->onKeyDown = [this](std::uint16_t key) {
    RunHandler([this, key] { drill_.MemoTPDKeyDown(key); });
  };
  MemoTPD->onKeyPress = [this](unsigned char key) {
    RunHandler([this, key] { drill_.MemoTPDKeyPress(key); });
  };

  Statistics = new QGroupBox(QStringLiteral("Statistics"), client);
  Statistics->setObjectName(QStringLiteral("Statistics"));
  Statistics->setGeometry(8, 101, 350, 100);
  MakeLabel(Statistics, "Label1", "Max Speed: ", {8, 21, 72, 13});
  MakeLabel(Statistics, "Label2", "Current Speed:", {8, 37, 89, 13});
  LabelMS = MakeLabel(Statistics, "LabelMS", "000", {259, 21, 24, 13}, true);
  LabelCS = MakeLabel(Statistics, "LabelCS", "000", {259, 37, 24, 13}, true);
  LabelMS->setAccessibleName(QStringLiteral("Best speed in keys per minute"));
  LabelCS->setAccessibleName(QStringLiteral("Current speed in keys per minute"));
  MakeLabel(Statistics, "Label3", "Keys/min", {288, 21, 54, 13});
  MakeLabel(Statistics, "Label4", "Keys/min", {288, 37, 54, 13});
  LabelInfo = MakeLabel(Statistics, "LabelInfo", "No File is opened ...", {8, 55, 113, 13});
  Label6 = MakeLabel(Statistics, "Label6", "Time  00 : 00 : 00  have been elasped ...",
                     {8, 71, 236, 13});
  SetLabelText(LabelInfo, kNoFileText);
  SetLabelText(Label6, "Time  00 : 00 : 00  have been elasped ...");

  // The bars lie over the group box, level with their labels.
  ProgressBarMS = MakeBar(client, "ProgressBarMS", "Best speed", {112, 124, 140, 10});
  ProgressBarCS = MakeBar(client, "ProgressBarCS", "Current speed", {112, 140, 140, 10});

  StatusBarMain = new QStatusBar(client);
  StatusBarMain->setObjectName(QStringLiteral("StatusBarMain"));
  StatusBarMain->setSizeGripEnabled(false);
  StatusBarMain->setGeometry(0, 213, 368, 19);
}

QAction* TFormDruMain::AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
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

void TFormDruMain::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MenuDruMain"));
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  AddItem(file, "Open1", QStringLiteral("&Open..."), 0, &Commands::Open1Click);
  AddItem(file, "Save1", QStringLiteral("&Save"), 0, &Commands::Save1Click);
  AddItem(file, "SaveAs1", QStringLiteral("Save &As..."), 0, &Commands::SaveAs1Click);
  AddItem(file, "Close1", QStringLiteral("&Close"), 0, &Commands::Close1Click);
  file->addSeparator()->setObjectName(QStringLiteral("N1"));
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("Exit1"));
  connect(exit, &QAction::triggered, this, [this] { Exit1Click(); });

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  AddItem(edit, "ClearAllMarks1", QStringLiteral("&Clear All Marks"), Qt::Key_F8,
          &Commands::ClearAllMarks1Click);
  AddItem(edit, "MarkReady1", QStringLiteral("&Mark Ready"), Qt::Key_F12,
          &Commands::MarkReady1Click);
  AddItem(edit, "PreviousSentence1", QStringLiteral("Previous Sentence"), Qt::Key_F9,
          &Commands::PreviousSentence1Click);

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("Options1"));
  SoundEffect1 = AddItem(options, "SoundEffect1", QStringLiteral("&Sound Effect"), Qt::Key_F4,
                         &Commands::SoundEffect1Click, true);
  CaseSensitive1 = AddItem(options, "CaseSensitive1", QStringLiteral("&Case Sensitive"), Qt::Key_F5,
                           &Commands::CaseSensitive1Click, true);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  AddItem(help, "About1", QStringLiteral("&About..."), 0, &Commands::About1Click);
}

void TFormDruMain::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowErrorReport(this, error.what());
  }
}

const std::string& TFormDruMain::TargetText() const {
  return StaticTextTXD->Bytes();
}
void TFormDruMain::SetTargetText(std::string_view text) {
  StaticTextTXD->SetBytes(text);
}
std::string TFormDruMain::InputText() const {
  return MemoTPD->Bytes();
}
void TFormDruMain::ClearInput() {
  MemoTPD->clear();
}
void TFormDruMain::SetInputEnabled(bool enabled) {
  MemoTPD->setEnabled(enabled);
}
bool TFormDruMain::InputHasFocus() const {
  return MemoTPD->hasFocus();
}

void TFormDruMain::FocusInput() {
  // Only within our own active window, and never from a box of ours.
  if (isActiveWindow() && QApplication::activeModalWidget() == nullptr && MemoTPD->isEnabled()) {
    MemoTPD->setFocus(Qt::OtherFocusReason);
  }
}

void TFormDruMain::SetCurrentSpeedBar(std::int64_t position) {
  ProgressBarCS->setValue(static_cast<int>(ClampBar(position)));
}
std::int64_t TFormDruMain::CurrentSpeedBar() const {
  return ProgressBarCS->value();
}
void TFormDruMain::SetBestSpeedBar(std::int64_t position) {
  ProgressBarMS->setValue(static_cast<int>(ClampBar(position)));
}
std::int64_t TFormDruMain::BestSpeedBar() const {
  return ProgressBarMS->value();
}
std::string TFormDruMain::CurrentSpeedText() const {
  return FromQString(LabelCS->text());
}
void TFormDruMain::SetCurrentSpeedText(std::string_view text) {
  SetLabelText(LabelCS, text);
}
void TFormDruMain::SetBestSpeedText(std::string_view text) {
  SetLabelText(LabelMS, text);
}
void TFormDruMain::SetInfoText(std::string_view text) {
  SetLabelText(LabelInfo, text);
}
void TFormDruMain::SetTimeText(std::string_view text) {
  SetLabelText(Label6, text);
}
bool TFormDruMain::SoundEffectChecked() const {
  return SoundEffect1->isChecked();
}
void TFormDruMain::SetSoundEffectChecked(bool checked) {
  SoundEffect1->setChecked(checked);
}
bool TFormDruMain::CaseSensitiveChecked() const {
  return CaseSensitive1->isChecked();
}
void TFormDruMain::SetCaseSensitiveChecked(bool checked) {
  CaseSensitive1->setChecked(checked);
}

Answer TFormDruMain::ShowMessage(MessageKind kind, std::string_view text) {
  return AskUser(this, kind, ToQString(text));
}

std::optional<std::string> TFormDruMain::RunOpenDialog() {
  const QString chosen = ChooseFileToOpen(this);
  if (chosen.isEmpty()) return std::nullopt;
  return PathBytes(chosen);
}

void TFormDruMain::SetSaveDialogFileName(std::string_view name) {
  saveDialogFileName_ = PathText(name);
}

std::optional<std::string> TFormDruMain::RunSaveDialog(std::string_view title) {
  const QString chosen = ChooseFileToSave(this, ToQString(title), saveDialogFileName_);
  if (chosen.isEmpty()) return std::nullopt;
  saveDialogFileName_ = chosen;
  return PathBytes(chosen);
}

void TFormDruMain::ShowAbout() {
  if (aboutBox_ != nullptr) aboutBox_->exec();
}

void TFormDruMain::RunCloseCommand() {
  commands_.Close1Click();
}
void TFormDruMain::PlayCue(std::string_view name) {
  cues_->Play(name);
}

}  // namespace dru::ui
