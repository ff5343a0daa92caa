// The main window over the offscreen platform: layout, typing, shortcuts
// and the modal boxes.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "core/drill/display_texts.h"
#include "core/recall/recall_cue.h"
#include "core/text/sentence_key.h"
#include "core/version.h"
#include "tests/support/fake_view.h"
#include "tests/support/ssip_server.h"
#include "tests/support/temp_dir.h"
#include "ui/drill/input_box.h"
#include "ui/drill/mistake_text.h"
#include "ui/drill/target_display.h"
#include "ui/languages.h"
#include "ui/platform/colours.h"
#include "ui/platform/cue_player.h"
#include "ui/platform/translation.h"
#include "ui/progress/progress_chart.h"
#include "ui/progress/progress_table_model.h"
#include "ui/progress/progress_window.h"
#include "ui/window/about_box.h"
#include "ui/window/main_window.h"
#include "ui/window/titles.h"

using dru::Answer;
using dru::MessageKind;
using dru::ui::MainWindow;

namespace {

// Runs action on the next modal box that opens.
void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    }
  });
  timer->start();
}

// Types text as a keyboard layout that has each character on a key would.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

// Runs action on the modal window named name, once it is the active one.
void OnModalNamed(const QString& name, std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, name, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == name) {
      timer->stop();
      timer->deleteLater();
      action(modal);
      // A check that failed leaves the window open: closed, the test ends.
      auto* dialog = qobject_cast<QDialog*>(modal);
      if (QTest::currentTestFailed() && dialog != nullptr) dialog->done(QDialog::Rejected);
    }
  });
  timer->start();
}

QString ModalText(QWidget* modal) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  return box != nullptr ? box->text() : QString();
}

}  // namespace

// Every text a window shows, or gives a screen reader, with whose it is:
// labels, buttons, menus, boxes, headers, names and descriptions.
QStringList ShownTexts(QWidget* root) {
  QStringList texts;
  const auto add = [&texts](const QObject* owner, const QString& text) {
    if (!text.isEmpty()) texts << owner->objectName() + QStringLiteral(": ") + text;
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* widget : widgets) {
    if (widget->isWindow()) add(widget, widget->windowTitle());
    add(widget, widget->accessibleName());
    add(widget, widget->accessibleDescription());
    add(widget, widget->toolTip());
    if (auto* label = qobject_cast<QLabel*>(widget)) add(widget, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) add(widget, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) add(widget, group->title());
    if (auto* menu = qobject_cast<QMenu*>(widget)) add(widget, menu->title());
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
      for (int item = 0; item < box->count(); ++item)
        add(widget, box->itemText(item));
    }
    if (auto* view = qobject_cast<QTableView*>(widget)) {
      for (int column = 0; column < view->model()->columnCount(); ++column) {
        for (int role : {int(Qt::DisplayRole), int(Qt::AccessibleTextRole)})
          add(widget, view->model()->headerData(column, Qt::Horizontal, role).toString());
      }
    }
    for (const QAction* action : widget->actions())
      add(action, action->text());
  }
  return texts;
}

// A translation that puts every text it is asked for in brackets.
class BracketCatalogue : public dru::Catalogue {
 public:
  std::optional<std::string> Find(const char*, const char* source, const char*,
                                  int) const override {
    return "[" + std::string(source) + "]";
  }
};

// The access keys of a menu's items that are given twice.
QStringList SharedAccessKeys(const QMenu& menu) {
  QStringList keys;
  QStringList shared;
  for (const QAction* action : menu.actions()) {
    const QString text = action->text();
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    if (at < 0 || at + 1 >= text.size()) continue;
    const QString key = text.mid(at + 1, 1).toLower();
    if (keys.contains(key)) shared << text;
    keys << key;
  }
  return shared;
}

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<dru::testing::TempDir> dir;

  template <typename T>
  T* Child(const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no child %s", name);
    return child;
  }
  QPlainTextEdit* Memo() { return Child<QPlainTextEdit>("MemoTPD"); }
  // The box's text as the drill is told it, in the file's encoding.
  std::string Typed() { return Child<dru::ui::InputBox>("MemoTPD")->Bytes(); }
  QString LabelText(const char* name) { return Child<QLabel>(name)->text(); }

  dru::Drill& Drill() { return window->Controller().GetDrill(); }
  dru::Commands& Commands() { return window->Controller().GetCommands(); }
  // The bytes on display as the sentence to type.
  std::string Target() { return Child<dru::ui::TargetDisplay>("StaticTextTXD")->Bytes(); }

  // Loads records into the drill as Open would, with target as the target.
  // The clock then runs only when Wait says.
  void Load(const std::string& bytes, const std::string& target) {
    Child<QTimer>("TimerDru")->stop();
    const std::string path = dir->File("records.dat");
    dru::testing::WriteBytes(path, bytes);
    Commands().SetCurrentFile(path);
    Commands().LoadFileToList();
    Drill().ShowSentence(target);
    Memo()->setFocus();
  }
  void Wait(int seconds) {
    for (int i = 0; i < seconds; ++i) {
      clock.steady += 1000;
      Drill().Tick();
    }
  }

  // The time of day of the system, and a typing clock that runs only when
  // the test waits, so that speeds come out exact.
  class TypingClock : public dru::Clock {
   public:
    dru::TimeOfDay NowUtc() const override { return system.NowUtc(); }
    std::int64_t UtcMilliseconds() const override { return system.UtcMilliseconds(); }
    std::int64_t SteadyMilliseconds() const override { return steady; }
    std::int64_t steady = 0;

   private:
    dru::SystemClock system;
  };
  TypingClock clock;

 private slots:
  void initTestCase() { dru::ui::CuePlayer::FilterAudioWarnings(); }

  void init() {
    dir = std::make_unique<dru::testing::TempDir>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir->File("data")));
    window = std::make_unique<MainWindow>(nullptr, &clock);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  void cleanup() {
    Drill().Saved();
    Commands().SetStartDir(dir->Path().string());
    window.reset();
    dir.reset();
  }

  void layoutAndDesignTimeTexts() {
    QCOMPARE(window->centralWidget()->size(), QSize(368, 232));
    QVERIFY(window->minimumSize() == window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowTitle(), QString::fromUtf8(dru::ui::kWindowCaption));
    QVERIFY(QByteArray(dru::ui::kWindowCaption) != QByteArray(dru::ui::kApplicationTitle));
    const std::pair<const char*, QRect> controls[] = {
        {"StaticTextTXD", {8, 8, 350, 42}},     {"Bevel1", {8, 56, 350, 42}},
        {"MemoTPD", {9, 57, 348, 40}},          {"Statistics", {8, 101, 350, 100}},
        {"ProgressBarMS", {112, 124, 140, 10}}, {"ProgressBarCS", {112, 140, 140, 10}},
        {"StatusBarMain", {0, 213, 368, 19}},   {"LabelMS", {259, 21, 24, 13}},
    };
    for (const auto& [name, geometry] : controls) {
      QCOMPARE(Child<QWidget>(name)->geometry().topLeft(), geometry.topLeft());
      if (QByteArray(name) != "LabelMS") QCOMPARE(Child<QWidget>(name)->size(), geometry.size());
    }
    QCOMPARE(LabelText("LabelMS"), QStringLiteral("000"));
    QCOMPARE(LabelText("LabelCS"), QStringLiteral("000"));
    QCOMPARE(LabelText("Label1"), QStringLiteral("Max Speed: "));
    QCOMPARE(LabelText("Label2"), QStringLiteral("Current Speed:"));
    QCOMPARE(LabelText("Label3"), QStringLiteral("Keys/min"));
    QCOMPARE(LabelText("LabelInfo"), QStringLiteral("No File is opened ..."));
    QCOMPARE(LabelText("Label6"), QStringLiteral("Time  00 : 00 : 00  have been elasped ..."));
    QCOMPARE(Child<QGroupBox>("Statistics")->title(), QStringLiteral("Statistics"));
    QVERIFY(Child<QLabel>("LabelMS")->font().bold());
    QCOMPARE(Child<QProgressBar>("ProgressBarMS")->maximum(), 600);
    QVERIFY(!Child<QProgressBar>("ProgressBarCS")->isTextVisible());
    QVERIFY(!Child<QStatusBar>("StatusBarMain")->isSizeGripEnabled());
    QCOMPARE(Memo()->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(Target(), std::string());

    dru::DrillSnapshot shown = Drill().Snapshot();
    shown.currentSpeed = 750;
    shown.bestSpeed = -5;
    window->Show(shown);
    QCOMPARE(Child<QProgressBar>("ProgressBarCS")->value(), 750);  // standing full
    QCOMPARE(Child<QProgressBar>("ProgressBarCS")->maximum(), 750);
    QCOMPARE(Child<QProgressBar>("ProgressBarMS")->value(), 0);
  }

  void menuItemsAndShortcuts() {
    const std::tuple<const char*, const char*, QKeySequence> items[] = {
        {"Open1", "&Open...", {}},
        {"NewFromText1", "New from &Text...", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Import1", "&Import...", {}},
        {"Save1", "&Save", {}},
        {"SaveAs1", "Save &As...", {}},
        {"Close1", "&Close", {}},
        {"Exit1", "E&xit", {}},
        {"ClearAllMarks1", "&Clear All Marks", QKeySequence(Qt::Key_F8)},
        {"MarkReady1", "&Mark Ready", QKeySequence(Qt::Key_F12)},
        {"PreviousSentence1", "Previous Sentence", QKeySequence(Qt::Key_F9)},
        {"SoundEffect1", "&Sound Effect", QKeySequence(Qt::Key_F4)},
        {"CaseSensitive1", "&Case Sensitive", QKeySequence(Qt::Key_F5)},
        {"OrderRandom1", "At &Random", {}},
        {"ReviewDue1", "&Review Due Sentences", QKeySequence(Qt::Key_F2)},
        {"OrderText1", "In &Text Order", {}},
        {"MarkWhileTyping1", "Mark &While Typing", QKeySequence(Qt::Key_F11)},
        {"RecallWhole1", "Show &Whole Sentence", {}},
        {"RecallFade1", "&Fade as You Learn", {}},
        {"RecallEveryOther1", "Hide &Every Other Word", {}},
        {"RecallFirstLetters1", "First &Letters Only", {}},
        {"RecallPromptOnly1", "&Prompt Only", {}},
        {"RecallListen1", "Listen and &Type", {}},
        {"SpeakAfterEnter1", "Spea&k After Enter", {}},
        {"About1", "&About...", {}},
    };
    for (const auto& [name, caption, shortcut] : items) {
      auto* action = Child<QAction>(name);
      QCOMPARE(action->text(), QString::fromLatin1(caption));
      QCOMPARE(action->shortcut(), shortcut);
      QVERIFY(action->isEnabled());
    }
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions())
      menus << menu->text();
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Options", "&Help"}));

    // F4 and F5 from the input box reach the menu, not the key handlers.
    Load("Alpha beta\r\nB\r\n", "Alpha beta");
    QTest::keyClick(Memo(), Qt::Key_F4);
    QTest::keyClick(Memo(), Qt::Key_F5);
    QVERIFY(!Drill().Options().soundEffect);
    QVERIFY(!Child<QAction>("SoundEffect1")->isChecked());
    QVERIFY(!Drill().Options().caseSensitive);
    QVERIFY(!Child<QAction>("CaseSensitive1")->isChecked());
    QCOMPARE(Memo()->toPlainText(), QString());
    Child<QAction>("SoundEffect1")->trigger();  // the menu item works like F4
    QVERIFY(Drill().Options().soundEffect);
    QVERIFY(Child<QAction>("SoundEffect1")->isChecked());
    // Recall: a radio item, and F1 from the box shows a hidden word.
    Child<QAction>("RecallFirstLetters1")->trigger();
    QVERIFY(Child<QAction>("RecallFirstLetters1")->isChecked());
    QVERIFY(!Child<QAction>("RecallWhole1")->isChecked());
    // Never answered right, the sentence is shown whole first.
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("Alpha beta"));
    QTest::keyClicks(Memo(), QStringLiteral("Alpha beta"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    Drill().ShowSentence("Alpha beta");
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("A b"));
    // Typed right by the case rule in force, shown in place; F5 makes case
    // count, and it is not right any more.
    QTest::keyClicks(Memo(), QStringLiteral("alpha"));
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("Alpha b"));
    QTest::keyClick(Memo(), Qt::Key_F5);
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("A b"));
    QTest::keyClick(Memo(), Qt::Key_Escape);
    QTest::keyClick(Memo(), Qt::Key_F1);
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("Alpha b"));
    QCOMPARE(Memo()->toPlainText(), QString());
    Child<QAction>("RecallWhole1")->trigger();
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), QStringLiteral("Alpha beta"));
  }

  // Ctrl+N: a pasted paragraph is cut into sentences by its language's
  // rules, previewed as it is edited, saved under a name of the learner's
  // (nothing before), and drilled.
  void aPastedTextIsPreviewedSavedAndDrilled() {
    Load("Old line\r\n", "Old line");
    Commands().SetStartDir(dir->Path().string());
    const std::string saved = dir->File("Das ist z. B. ein.txt");
    OnModalNamed(QStringLiteral("FormNewText"), [&](QWidget* modal) {
      auto* language = modal->findChild<QComboBox*>(QStringLiteral("TextLanguage"));
      language->setCurrentIndex(language->findData(QStringLiteral("de")));
      auto* box = modal->findChild<QPlainTextEdit*>(QStringLiteral("NewTextBox"));
      box->setPlainText(
          QStringLiteral("Das ist z. B. ein Apfel. Wir kommen am 3. Mai\nzu "
                         "Dr. Weber.\n\n* Er wartet."));
      auto* count = modal->findChild<QLabel*>(QStringLiteral("PreviewCount"));
      QTRY_COMPARE(count->text(), QStringLiteral("3 sentences"));
      const QString notes = modal->findChild<QLabel*>(QStringLiteral("PreviewNotes"))->text();
      QVERIFY2(notes.startsWith(QStringLiteral("1 line began with '*'")), qPrintable(notes));
      auto* preview = modal->findChild<QTreeWidget*>(QStringLiteral("PreviewList"));
      QCOMPARE(preview->topLevelItemCount(), 3);
      QCOMPARE(preview->topLevelItem(1)->text(0),
               QStringLiteral("Wir kommen am 3. Mai zu Dr. Weber."));
      QCOMPARE(preview->accessibleDescription(), count->text());
      // Keep the lines: each line as it stands.
      modal->findChild<QRadioButton*>(QStringLiteral("CutLines"))->click();
      QTRY_COMPARE(count->text(), QStringLiteral("3 sentences"));
      QTRY_COMPARE(preview->topLevelItem(0)->text(0),
                   QStringLiteral("Das ist z. B. ein Apfel. Wir kommen am 3. Mai"));
      modal->findChild<QRadioButton*>(QStringLiteral("CutSentences"))->click();
      QTRY_COMPARE(preview->topLevelItem(0)->text(0), QStringLiteral("Das ist z. B. ein Apfel."));
      // The save dialog offers the first words, where the dialogs start;
      // cancelled, nothing is written and the text stays. Then saved.
      auto* save = modal->findChild<QPushButton*>(QStringLiteral("NewTextSave"));
      OnModalNamed(QStringLiteral("SaveDialogDru"), [&](QWidget* dialog) {
        auto* files = static_cast<QFileDialog*>(dialog);
        QCOMPARE(files->selectedFiles().value(0), QString::fromStdString(saved));
        files->reject();
      });
      const std::size_t fileCount = dru::testing::FileCount(dir->Path());
      save->click();
      QVERIFY(modal->isVisible());
      QCOMPARE(dru::testing::FileCount(dir->Path()), fileCount);
      OnModalNamed(QStringLiteral("SaveDialogDru"),
                   [&](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
      save->click();
    });
    QTest::keyClick(Memo(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dru::testing::ReadBytes(saved),
             std::string("Das ist z. B. ein Apfel.\r\nWir kommen am 3. Mai zu Dr. Weber.\r\n"
                         "Er wartet.\r\n"));
    QCOMPARE(Commands().CurrentFile().path, saved);
    const std::string sentence = Target();
    QTest::keyClicks(Memo(), QString::fromStdString(sentence));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(Drill().PreviousSentence(), sentence);
    QVERIFY(LabelText("LabelInfo").startsWith(QStringLiteral("There are 3 records")));

    // A signal while a text waits in the box: dru ends without asking. The
    // window opens with the language chosen last.
    OnModalNamed(QStringLiteral("FormNewText"), [this](QWidget* modal) {
      QCOMPARE(modal->findChild<QComboBox*>(QStringLiteral("TextLanguage"))->currentData(),
               QVariant(QStringLiteral("de")));
      modal->findChild<QPlainTextEdit*>(QStringLiteral("NewTextBox"))->setPlainText("Ein Satz.");
      window->CloseOnSignal();
    });
    Child<QAction>("NewFromText1")->trigger();
    QTRY_VERIFY(!window->isVisible());
  }

  // File › Import…: a card program's export is previewed with its prompts
  // and what was dropped, saved beside it and opened; the file read stays
  // as it was. A file that is not text says so, and nothing can be saved.
  void anImportedPhraseListIsPreviewedWithWhatWasDropped() {
    Load("Old line\r\n", "Old line");
    Commands().SetStartDir(dir->Path().string());
    const std::string deck = dir->File("deck.txt");
    const std::string notes =
        "#separator:tab\n#html:true\n#notetype column:1\nBasic\tIch bin <b>froh</b>.\tI am "
        "glad.\nBasic\t\t\nBasic\tGute&nbsp;Nacht.\tGood night.\n";
    dru::testing::WriteBytes(deck, notes);
    dru::testing::WriteBytes(dir->File("picture.png"), std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    const auto choose = [](const std::string& name) {
      OnModalNamed(QStringLiteral("ImportDialogDru"), [name](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QString::fromStdString(name));
        QMetaObject::invokeMethod(dialog, "accept");
      });
    };
    choose(deck);
    OnModalNamed(QStringLiteral("FormNewText"), [&](QWidget* modal) {
      auto* count = modal->findChild<QLabel*>(QStringLiteral("PreviewCount"));
      QTRY_COMPARE(count->text(), QStringLiteral("2 sentences"));
      QCOMPARE(modal->findChild<QLabel*>(QStringLiteral("PreviewNotes"))->text(),
               QStringLiteral("1 empty note dropped"));
      auto* preview = modal->findChild<QTreeWidget*>(QStringLiteral("PreviewList"));
      QCOMPARE(preview->topLevelItem(0)->text(0), QStringLiteral("Ich bin froh."));
      QCOMPARE(preview->topLevelItem(0)->text(1), QStringLiteral("I am glad."));
      QVERIFY(!preview->isColumnHidden(1));
      // No cut for a phrase list, and no row of column names but in CSV.
      QVERIFY(modal->findChild<QRadioButton*>(QStringLiteral("CutLines"))->isHidden());
      QVERIFY(modal->findChild<QCheckBox*>(QStringLiteral("FirstRowNames"))->isHidden());
      OnModalNamed(QStringLiteral("SaveDialogDru"),
                   [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
      modal->findChild<QPushButton*>(QStringLiteral("NewTextSave"))->click();
    });
    Child<QAction>("Import1")->trigger();
    QCOMPARE(Commands().CurrentFile().path, dir->File("Ich bin froh.txt"));
    QCOMPARE(dru::testing::ReadBytes(Commands().CurrentFile().path),
             std::string("Ich bin froh.\tI am glad.\r\nGute Nacht.\tGood night.\r\n"));
    QCOMPARE(dru::testing::ReadBytes(deck), notes);

    choose(dir->File("picture.png"));
    OnModalNamed(QStringLiteral("FormNewText"), [](QWidget* modal) {
      auto* count = modal->findChild<QLabel*>(QStringLiteral("PreviewCount"));
      QTRY_COMPARE(count->text(), QStringLiteral("This is not a text file."));
      QVERIFY(!modal->findChild<QPushButton*>(QStringLiteral("NewTextSave"))->isEnabled());
      QTest::keyClick(modal, Qt::Key_Escape);  // nothing typed: no question
    });
    Child<QAction>("Import1")->trigger();
    QCOMPARE(Commands().CurrentFile().path, dir->File("Ich bin froh.txt"));
  }

  // In text order with Fade as You Learn a poem comes in passes, each a
  // step harder, the step said once; a line typed wrong comes again at
  // once, a step easier, and a slip keeps its step.
  void aPoemIsLearnedInPassesInTextOrder() {
    Load("One fish\nTwo fish\n*Red fish\nBlue fish\n", "One fish");
    Child<QAction>("RecallFade1")->trigger();
    Child<QAction>("OrderText1")->trigger();
    QVERIFY(Child<QAction>("OrderText1")->isChecked());
    QCOMPARE(Drill().ChosenOptions().order, dru::SentenceOrder::InTextOrder);
    const auto answer = [this](const char* typed) {
      QTest::keyClicks(Memo(), QString::fromLatin1(typed));
      QTest::keyClick(Memo(), Qt::Key_Return);
      return Child<QLabel>("StaticTextTXD")->text();
    };
    const auto said = [this](const char* words) {
      return Drill().Snapshot().spoken.find(words) != std::string_view::npos;
    };
    QCOMPARE(answer("One fish"), QStringLiteral("Two fish"));
    QCOMPARE(answer("Two fish"), QStringLiteral("Blue fish"));  // the marked line skipped
    QCOMPARE(answer("Blue fish"), QStringLiteral("One ____"));
    QVERIFY(said("Every other word hidden."));
    QCOMPARE(answer("One fish"), QStringLiteral("Two ____"));
    QVERIFY(!said("hidden"));
    QCOMPARE(answer("Tw cat"), QStringLiteral("Two fish"));  // again, a step easier
    QCOMPARE(answer("Two fish"), QStringLiteral("Blue ____"));
    QCOMPARE(answer("Blue fisj"), QStringLiteral("Blue ____"));  // a slip: the same step
    QCOMPARE(answer("Blue fish"), QStringLiteral("O f"));
    QVERIFY(said("First letters only."));
    // Previous Sentence brings the line back, and the order goes on after it.
    QTest::keyClick(Memo(), Qt::Key_F9);
    QCOMPARE(Drill().Target(), std::string("Blue fish"));
    QCOMPARE(answer("Blue fish"), QStringLiteral("O f"));
    Child<QAction>("OrderRandom1")->trigger();
    Child<QAction>("RecallWhole1")->trigger();
  }

  // Speak After Enter: the right sentence is handed to the speech service
  // after each Enter, and nothing while the option is off; a service that
  // cannot be reached is said once, and the drill goes on.
  void theRightSentenceIsSpokenAfterEnter() {
    dru::testing::SsipServer service(dir->File("speechd.sock"));
    qputenv("SPEECHD_ADDRESS", QByteArray::fromStdString(service.Address()));
    Load("Hello world\tHallo Welt\n", "Hello world\tHallo Welt");
    const auto answer = [this](const char* typed) {
      QTest::keyClicks(Memo(), QString::fromLatin1(typed));
      QTest::keyClick(Memo(), Qt::Key_Return);
    };
    answer("Hello world\tHallo Welt");
    QTest::qWait(300);
    QVERIFY(service.Said().empty());  // off: nothing is sent, nor connected
    Child<QAction>("SpeakAfterEnter1")->trigger();
    QVERIFY(Drill().Options().speakAfterEnter);
    answer("Helo");  // wrong, and the right one is heard: the part before the TAB
    QTRY_COMPARE(service.Said(), (std::vector<std::string>{"Hello world"}));
    answer("Hello world\tHallo Welt");
    QTRY_COMPARE(service.Said().size(), std::size_t{2});
    Child<QAction>("SpeakAfterEnter1")->trigger();

    // Listen and Type: heard when shown and on F10, shown and said not at
    // all but for the prompt and what to do; a hint writes the next word.
    Child<QAction>("RecallListen1")->trigger();
    QTRY_COMPARE(service.Said().size(), std::size_t{3});
    QCOMPARE(service.Said().back(), std::string("Hello world"));
    QCOMPARE(LabelText("StaticTextTXD"),
             QStringLiteral("\u2026\u2028Hallo Welt\u2028Listen and type. F10 says it again."));
    QCOMPARE(std::string(Drill().Snapshot().spoken),
             "Recall: Listen and Type. Listen and type. Prompt: Hallo Welt");
    QTest::keyClick(Memo(), Qt::Key_F10);
    QTRY_COMPARE(service.Said().size(), std::size_t{4});
    QTest::keyClick(Memo(), Qt::Key_F1);
    QVERIFY(LabelText("StaticTextTXD").startsWith(QStringLiteral("Hello \u2026")));
    // Options › Voice…: the service's languages; the choice is kept with
    // the file and used from then on.
    OnNextModal([](QWidget* modal) {
      auto* language = modal->findChild<QComboBox*>(QStringLiteral("VoiceLanguage"));
      language->setCurrentIndex(language->findData(QStringLiteral("de_DE")));
      QTest::keyClick(modal, Qt::Key_Return);
    });
    Child<QAction>("Voice1")->trigger();
    QTRY_VERIFY(window->Controller().History().Voice(dir->File("records.dat")).has_value());
    QCOMPARE(window->Controller().History().Voice(dir->File("records.dat"))->locale,
             std::string("de_DE"));
    // The language the service was last told is the one chosen.
    const auto lastLanguage = [&service] {
      std::string last;
      for (const std::string& command : service.Commands()) {
        if (command.rfind("SET SELF LANGUAGE ", 0) == 0) last = command.substr(18);
      }
      return last;
    };
    QTRY_COMPARE(QString::fromStdString(lastLanguage()), QStringLiteral("de-Latn-DE"));
    answer("Hello wrld");  // judged as ever; the next one is heard
    const QString mistakes = Child<QLabel>("StatusText")->accessibleDescription();
    QVERIFY2(mistakes.contains(QStringLiteral("Expected: Hello world")), qPrintable(mistakes));
    QTRY_COMPARE(service.Said().size(), std::size_t{5});
    Child<QAction>("RecallWhole1")->trigger();
    // Opened again in a new window, the file is read in its voice.
    window.reset();
    window = std::make_unique<MainWindow>(nullptr, &clock);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Load("Hello world\tHallo Welt\n", "Hello world\tHallo Welt");
    Child<QAction>("SpeakAfterEnter1")->trigger();
    answer("Hello world\tHallo Welt");
    QTRY_COMPARE(service.Said().size(), std::size_t{6});
    QCOMPARE(QString::fromStdString(lastLanguage()), QStringLiteral("de-Latn-DE"));
    Child<QAction>("SpeakAfterEnter1")->trigger();

    // No service there: said once, the item disabled with why, and the
    // drill goes on.
    window.reset();
    qputenv("SPEECHD_ADDRESS", QByteArray::fromStdString("unix_socket:" + dir->File("none.sock")));
    window = std::make_unique<MainWindow>(nullptr, &clock);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Load("Hello world\n", "Hello world");
    Child<QAction>("SpeakAfterEnter1")->trigger();
    QTRY_VERIFY(!Child<QAction>("SpeakAfterEnter1")->isEnabled());
    QVERIFY(LabelText("StatusText").startsWith(QStringLiteral("Speech is not available: ")));
    QCOMPARE(Child<QAction>("SpeakAfterEnter1")->toolTip(), LabelText("StatusText"));
    QVERIFY(!Child<QAction>("RecallListen1")->isEnabled());
    answer("Hello world");
    QCOMPARE(Drill().PreviousSentence(), std::string("Hello world"));
    qunsetenv("SPEECHD_ADDRESS");
  }

  void typingARecordScoresItAndMovesOn() {
    Load("Hello world\r\nNext one\r\n", "Hello world");
    QTest::keyClicks(Memo(), QStringLiteral("Hello world"));
    QCOMPARE(Typed(), std::string("Hello world"));
    Wait(2);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(LabelText("LabelCS"), QStringLiteral("330"));
    QCOMPARE(LabelText("LabelMS"), QStringLiteral("330"));
    QCOMPARE(Child<QProgressBar>("ProgressBarCS")->value(), 330);
    QCOMPARE(Memo()->toPlainText(), QString());
    QCOMPARE(Drill().PreviousSentence(), std::string("Hello world"));

    // Ctrl brings the record back and empties the box.
    Drill().ShowSentence("Next one");
    QTest::keyClicks(Memo(), QStringLiteral("Ne"));
    QTest::keyClick(Memo(), Qt::Key_Control, Qt::ControlModifier);
    QCOMPARE(Target(), std::string("Hello world"));
    QCOMPARE(Memo()->toPlainText(), QString());

    // F12 from the input box marks the target.
    QTest::keyClick(Memo(), Qt::Key_F12);
    QCOMPARE(Drill().FileLines().Get(0), std::string_view("*Hello world"));
    QCOMPARE(Target(), std::string("Next one"));
  }

  void wrongAnswersShowTheirMistakes() {
    Load("Hello world\r\nHello world\r\n", "Hello world");
    QTest::keyClicks(Memo(), QStringLiteral("Helo wrld"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    auto* status = Child<QLabel>("StatusText");
    QVERIFY(status->text().contains(QStringLiteral("text-decoration:overline")));
    QCOMPARE(status->accessibleName(),
             QString::fromUtf8(
                 "2 mistakes: typed \u201cHelo wrld\u201d expected \u201cHello world\u201d"));
    QVERIFY(status->toolTip().startsWith(QStringLiteral("Typed: Hel")));
    // A screen reader gets plain words, never the markup.
    QCOMPARE(status->accessibleDescription(),
             QStringLiteral("Typed: Helo wrld\nExpected: Hello world"));
    QTest::keyClicks(Memo(), QStringLiteral("H"));  // the next key clears it
    QCOMPARE(status->text(), QString());

    // From memory, at every level: the mistakes are shown against the part
    // typed, after the next sentence's cue has replaced this one's.
    const std::string lines[] = {"The first of the lines to recall\tprompt one",
                                 "A second line that is remembered\tprompt two"};
    for (const dru::RecallOption level :
         {dru::RecallOption::FadeAsYouLearn, dru::RecallOption::HideEveryOtherWord,
          dru::RecallOption::FirstLettersOnly, dru::RecallOption::PromptOnly}) {
      Load(lines[0] + "\r\n" + lines[1] + "\r\n", lines[0]);
      Drill().SetRecall(level);
      for (int answer = 0; answer < 3; ++answer) {
        const std::string part(dru::SplitPrompt(Drill().Target()).part);
        Memo()->setPlainText(QStringLiteral("Wrong words"));
        QTest::keyClick(Memo(), Qt::Key_Return);
        QVERIFY2(status->accessibleDescription().endsWith(QStringLiteral("Expected: ") +
                                                          QString::fromStdString(part)),
                 qPrintable(status->accessibleDescription()));
      }
    }
    Drill().SetRecall(dru::RecallOption::ShowWholeSentence);

    // Wrong, extra and missing differ by more than colour, and each colour
    // reads at 4.5:1 on a light and on a dark palette.
    const QPalette light = window->palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QPalette& palette : {light, dark}) {
      window->setPalette(palette);
      Drill().ShowSentence("Hello world");
      Memo()->setPlainText(QStringLiteral("Hxllo worldd"));
      QTest::keyClick(Memo(), Qt::Key_Return);
      Memo()->setPlainText(QStringLiteral("Hllo world"));
      const QString wrongAndExtra = status->text();
      QTest::keyClick(Memo(), Qt::Key_Return);
      const QString marks = wrongAndExtra + status->text();
      for (const char* decoration : {"underline", "line-through", "overline"}) {
        QVERIFY2(marks.contains(QStringLiteral("text-decoration:") + decoration), decoration);
      }
      const QColor background =
          Child<QStatusBar>("StatusBarMain")->palette().color(QPalette::Window);
      auto colours = QRegularExpression(QStringLiteral("color:(#[0-9a-f]{6})")).globalMatch(marks);
      int seen = 0;
      for (; colours.hasNext(); ++seen) {
        const QColor colour(colours.next().captured(1));
        QVERIFY2(dru::ui::ContrastRatio(colour, background) >= 4.5,
                 qPrintable(colour.name() + " on " + background.name()));
      }
      QVERIFY(seen >= 3);
    }
    window->setPalette(light);

    // A huge record: where the texts part, and Enter stays quick.
    const std::string huge(20'000'000, 'w');
    Drill().ShowSentence(huge);
    Memo()->setPlainText(QStringLiteral("wwwx"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QVERIFY(status->accessibleName().startsWith(
        QStringLiteral("The typed text differs from character 4")));

    Child<QAction>("ShowMistakes1")->trigger();  // off: the bar stays empty
    QVERIFY(!Drill().Options().showMistakes);
    QCOMPARE(status->text(), QString());
    Drill().ShowSentence("Hello world");
    QTest::keyClicks(Memo(), QStringLiteral("Helo"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(status->text(), QString());
    QCOMPARE(Child<QAction>("ShowMistakes1")->shortcut(), QKeySequence(Qt::Key_F6));
  }

  void screenReadersReadTheDrill() {
    const std::string sentence = "Thirty characters in one line.";
    Load(sentence + "\r\nOther\r\n", sentence);
    auto read = [](QObject* widget, QAccessible::Text what) {
      return QAccessible::queryAccessibleInterface(widget)->text(what);
    };
    QCOMPARE(read(Child<QLabel>("StaticTextTXD"), QAccessible::Name),
             QString::fromStdString(sentence));
    QCOMPARE(read(Child<QLabel>("StaticTextTXD"), QAccessible::Description),
             QStringLiteral("Sentence to type"));
    QTest::keyClicks(Memo(), QString::fromStdString(sentence));
    QAccessibleTextInterface* typed =
        QAccessible::queryAccessibleInterface(Memo())->textInterface();
    QVERIFY(typed != nullptr);
    QCOMPARE(typed->text(0, typed->characterCount()), QString::fromStdString(sentence));

    Wait(1);
    QTest::keyClick(Memo(), Qt::Key_Return);  // 1800 keys a minute
    for (const char* name : {"LabelCS", "LabelMS"}) {
      auto* number = Child<QLabel>(name);
      QCOMPARE(read(number, QAccessible::Name), QStringLiteral("1800"));
      QCOMPARE(number->geometry().right() + 1, 259 + 24);  // grows leftwards
      QVERIFY(number->width() >= number->sizeHint().width());
    }
    QCOMPARE(read(Child<QLabel>("LabelInfo"), QAccessible::Name),
             QStringLiteral("There are 2 records in the file, 0 marked ready ..."));
    // One figure per value: the bars' value is the speed, not a share of 600.
    for (const char* name : {"ProgressBarCS", "ProgressBarMS"}) {
      auto* bar = QAccessible::queryAccessibleInterface(Child<QProgressBar>(name));
      QCOMPARE(bar->valueInterface()->currentValue().toInt(), 1800);
    }
  }

  void progressWindowCountsTheAnswers() {
    Load("Hello world\r\nGood night\r\n*Learned\r\nYes, \"no\"\r\n", "Hello world");
    QTest::keyClicks(Memo(), QStringLiteral("Hello world"), Qt::NoModifier, 5);
    Wait(1);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(LabelText("LabelCS"), QStringLiteral("660"));  // 11 keys in a second
    Drill().ShowSentence("Hello world");
    QTest::keyClicks(Memo(), QStringLiteral("Helo world"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QTest::keyClick(Memo(), Qt::Key_F3);
    auto* progress = window->findChild<QWidget*>(QStringLiteral("ProgressWindow"));
    QVERIFY(progress != nullptr && progress->isVisible());
    // It names the file, and fits the screen.
    QCOMPARE(progress->windowTitle(), QString::fromUtf8("Progress \u2014 records.dat"));
    QVERIFY(progress->screen()->availableGeometry().contains(progress->geometry()));
    auto* table = progress->findChild<QTableView*>(QStringLiteral("ProgressTable"));
    const QAbstractItemModel* rows = table->model();
    QCOMPARE(rows->rowCount(), 4);
    // Hardest first: the sentence typed once right and once wrong.
    QStringList first;
    for (int column = 0; column < rows->columnCount(); ++column)
      first << rows->index(0, column).data().toString();
    QCOMPARE(first.mid(0, 3), (QStringList{"Hello world", "2", "50"}));
    QCOMPARE(first[3], QStringLiteral("660"));  // the same figure as the window's
    QCOMPARE(rows->index(2, 5).data().toString(), QStringLiteral("Yes"));  // *Learned
    // A screen reader hears a heading as words, and a cell once, its
    // column's name being the heading's.
    for (int column = 0; column < rows->columnCount(); ++column) {
      const QString heard =
          rows->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString();
      QVERIFY2(!heard.isEmpty() && !heard.contains(QLatin1Char('(')), qPrintable(heard));
    }
    QCOMPARE(rows->index(0, 2).data(Qt::AccessibleTextRole).toString(), QStringLiteral("50%"));
    // No Tab stop is silent: each has a name and a role a screen reader
    // speaks.
    for (QWidget* stop : progress->findChildren<QWidget*>()) {
      if (!stop->isVisible() || (stop->focusPolicy() & Qt::TabFocus) == 0) continue;
      QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(stop);
      QVERIFY2(heard->role() != QAccessible::Client && !heard->text(QAccessible::Name).isEmpty(),
               qPrintable(stop->objectName()));
    }
    // As CSV: a header, then fields quoted where they must be.
    const std::string csv = dru::ui::TableAsCsv(*rows);
    QVERIFY(csv.starts_with(
        "Sentence,Typed,Correct (%),Best speed,Last typed,Marked,Recall (%),Next review,"
        "Last grade\r\n"));
    QVERIFY(csv.find("\r\n\"Yes, \"\"no\"\"\",0,,,,,,,\r\n") != std::string::npos);
    QVERIFY(progress->findChild<QLabel*>(QStringLiteral("ProgressSummary"))
                ->text()
                .startsWith(QStringLiteral("Today: 2 answers, 1 correct, 0 minutes typing")));
    QCOMPARE(dru::ui::Tr("Progress", "%n minute(s)", nullptr, 1), QStringLiteral("1 minute"));
    QVERIFY(progress->findChild<QWidget*>(QStringLiteral("ProgressChart"))
                ->accessibleDescription()
                .contains(QStringLiteral(" over 1 day;")));
    QVERIFY(progress->findChild<QWidget*>(QStringLiteral("ProgressChart"))
                ->accessibleDescription()
                .endsWith(QStringLiteral("50% correct.")));
    // The bars of the share correct stand out 3:1 from the chart's ground,
    // light or dark.
    for (const auto& [ground, ink] :
         {std::pair{QColor(Qt::white), QColor(Qt::black)},
          std::pair{QColor(0x23, 0x26, 0x29), QColor(0xef, 0xf0, 0xf1)},
          std::pair{QColor(0xf0, 0xf0, 0xf0), QColor(0x30, 0x30, 0x30)}}) {
      QPalette colours;
      colours.setColor(QPalette::Base, ground);
      colours.setColor(QPalette::Text, ink);
      QVERIFY(dru::ui::ContrastRatio(dru::ui::ShareBarColour(colours), ground) >= 3.0);
    }
    // It follows the drill: one more answer shows at once.
    Drill().ShowSentence("Good night");
    QTest::keyClicks(Memo(), QStringLiteral("Good night"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(rows->rowCount(), 4);
    QVERIFY(progress->findChild<QLabel*>(QStringLiteral("ProgressSummary"))
                ->text()
                .startsWith(QStringLiteral("Today: 3 answers, 2 correct")));
    // Typed once, wrong: 0% correct, and the hardest now.
    Drill().ShowSentence("Yes, \"no\"");
    QTest::keyClicks(Memo(), QStringLiteral("Yes"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("Yes, \"no\""));
    QCOMPARE(rows->index(0, 2).data().toString(), QStringLiteral("0"));
    // A click on a header: the sort box follows, and the order stays as the
    // table follows the drill.
    table->horizontalHeader()->setSortIndicator(dru::ui::kTyped, Qt::DescendingOrder);
    auto* sortBy = progress->findChild<QComboBox*>(QStringLiteral("ProgressSortBy"));
    QCOMPARE(sortBy->currentText(), QStringLiteral("Typed"));
    QCOMPARE(table->accessibleName(), QStringLiteral("Sentences, by typed, reversed"));
    Drill().ShowSentence("Good night");
    QTest::keyClicks(Memo(), QStringLiteral("Good night"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    for (int row = 1; row < rows->rowCount(); ++row)
      QVERIFY(rows->index(row - 1, 1).data().toInt() >= rows->index(row, 1).data().toInt());
    progress->findChild<QCheckBox*>(QStringLiteral("ProgressReversed"))->setChecked(false);
    sortBy->setCurrentIndex(0);
    QCOMPARE(table->accessibleName(), QStringLiteral("Sentences, hardest first"));
    // Recall on: a Level column, and how many sentences are known by heart;
    // off: neither.
    window->findChild<QAction*>(QStringLiteral("RecallFirstLetters1"))->trigger();
    QCOMPARE(rows->columnCount(), int{dru::ui::kColumns});
    // At the chosen level once answered right, whole before.
    for (int row = 0; row < rows->rowCount(); ++row) {
      const bool right = rows->index(row, 2).data().toInt() > 0;
      QCOMPARE(rows->index(row, dru::ui::kLevel).data().toString(),
               right ? QStringLiteral("first letters") : QStringLiteral("whole sentence"));
    }
    Drill().ShowSentence("Good night");
    QVERIFY(window->findChild<QAction*>(QStringLiteral("Hint1"))->isEnabled());
    QVERIFY(progress->findChild<QLabel*>(QStringLiteral("ProgressSummary"))
                ->text()
                .endsWith(QStringLiteral(" Learned today: 0 of 4 sentences. Known by heart: 0 of "
                                         "4 sentences.")));
    // The steps of today's answers, charted and said in words.
    auto* steps = progress->findChild<QWidget*>(QStringLiteral("ProgressSteps"));
    QVERIFY(steps->isVisible());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QVERIFY2(steps->accessibleDescription().startsWith(QStringLiteral("At the end of ") + today +
                                                       QStringLiteral(": ")),
             qPrintable(steps->accessibleDescription()));
    QVERIFY(steps->accessibleDescription().contains(QStringLiteral("every other word")));
    QVERIFY(!steps->accessibleDescription().contains(QStringLiteral("prompt only")));
    // Right at first letters: counted on, with the answers counted before.
    QTest::keyClicks(Memo(), QStringLiteral("Good night"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QVERIFY2(steps->accessibleDescription().contains(QStringLiteral("1 prompt only")),
             qPrintable(steps->accessibleDescription()));
    window->findChild<QAction*>(QStringLiteral("RecallWhole1"))->trigger();
    QCOMPARE(rows->columnCount(), dru::ui::kColumns - 1);
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("Hint1"))->isEnabled());
    // Export as CSV never goes over a file that dru uses, under any name.
    Commands().SetStartDir(dir->Path().string());
    dru::testing::WriteBytes(dir->File("dru.ini"), "[Files]\n");
    QCOMPARE(symlink(dir->File("records.dat").c_str(), dir->File("link.csv").c_str()), 0);
    const std::string history = window->Controller().History().Path();
    for (const std::string& used :
         {dir->File("records.dat"), dir->File("link.csv"), dir->File("dru.ini"), history,
          history + "-wal", history + "-shm"}) {
      const std::string before = dru::testing::ReadBytes(used);
      auto refusal = std::make_shared<QString>();
      OnNextModal([refusal](QWidget* box) {
        *refusal = qobject_cast<QMessageBox*>(box)->text();
        box->close();
      });
      static_cast<dru::ui::ProgressWindow*>(progress)->ExportCsvTo(QString::fromStdString(used));
      QVERIFY2(
          refusal->contains(QStringLiteral(" is ")) && refusal->contains(QStringLiteral("dru")),
          qPrintable(QString::fromStdString(used) + ": " + *refusal));
      QVERIFY2(dru::testing::ReadBytes(used) == before, used.c_str());
    }

    // Forget names the file and the answers, with Cancel as the default;
    // after it, the status line says what went.
    auto* forget = progress->findChild<QPushButton*>(QStringLiteral("ProgressForget"));
    QString asked;
    QString byDefault;
    OnNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      asked = box->text();
      byDefault = box->defaultButton()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    forget->click();
    QCOMPARE(asked, QStringLiteral("Forget the 6 answers given on records.dat?"));
    QCOMPARE(byDefault, QStringLiteral("Cancel"));
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("1"));  // Enter kept them
    OnNextModal([](QWidget* modal) {
      for (auto* button : modal->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("OK")) button->click();
      }
    });
    forget->click();
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("0"));
    QCOMPARE(LabelText("StatusText"),
             QStringLiteral("Forgotten: the 6 answers given on records.dat."));
    // And another file opened: its own sentences, none typed yet.
    const std::string other = dir->File("other.dat");
    dru::testing::WriteBytes(other, "First\r\nSecond\r\n");
    Commands().SetCurrentFile(other);
    Commands().LoadFileToList();
    QCOMPARE(rows->rowCount(), 2);
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("0"));
  }

  void editingKeysOfTheInputBox() {
    Load("Target\r\nOther\r\n", "Target");
    QTest::keyClicks(Memo(), QStringLiteral("ab"));
    QTest::keyClick(Memo(), Qt::Key_Tab);
    QTest::keyClick(Memo(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(Memo(), QStringLiteral("c&"));
    QCOMPARE(Typed(), std::string("ab\t\r\nc&"));
    QVERIFY(Memo()->hasFocus());  // Tab was typed, not used to move on
    QTest::keyClick(Memo(), Qt::Key_Backspace);
    QTest::keyClick(Memo(), Qt::Key_A, Qt::ControlModifier);  // select all
    QTest::keyClick(Memo(), Qt::Key_X, Qt::ControlModifier);  // cut
    QCOMPARE(Memo()->toPlainText(), QString());
    QTest::keyClick(Memo(), Qt::Key_V, Qt::ControlModifier);  // paste
    QCOMPARE(Typed(), std::string("ab\t\r\nc"));
    QTest::keyClick(Memo(), Qt::Key_Escape);
    QCOMPARE(Memo()->toPlainText(), QString());
    QCOMPARE(Target(), std::string("Target"));
    QTest::keyClick(Memo(), Qt::Key_Q, Qt::ControlModifier);  // a control character
    QCOMPARE(Memo()->toPlainText(), QString());

    // Each key on "one two", the cursor at the end or (*) the start: the box
    // does what the key handlers say and none of the editor's own shortcuts.
    const std::tuple<int, Qt::KeyboardModifiers, bool, const char*> keys[] = {
        {Qt::Key_Q, Qt::AltModifier, false, "one two"},
        {Qt::Key_Backspace, Qt::ControlModifier, false, "one two"},
        {Qt::Key_Delete, Qt::ControlModifier, true, "one two"},
        {Qt::Key_K, Qt::ControlModifier, true, "one two"},
        {Qt::Key_Z, Qt::ControlModifier, false, "one two"},
        {Qt::Key_Y, Qt::ControlModifier, false, "one two"},
        {Qt::Key_H, Qt::ControlModifier, false, "one tw"},
        {Qt::Key_I, Qt::ControlModifier, false, "one two\t"},
        {Qt::Key_Backtab, Qt::ShiftModifier, false, "one two\t"},
        {Qt::Key_J, Qt::ControlModifier, false, "one two\r\n"},
        {Qt::Key_Backspace, Qt::NoModifier, false, "one tw"},
    };
    for (const auto& [key, modifiers, atStart, expected] : keys) {
      Memo()->setPlainText(QStringLiteral("one"));
      Memo()->moveCursor(QTextCursor::End);
      QTest::keyClicks(Memo(), QStringLiteral(" two"));  // typed, so undo would have work
      Memo()->moveCursor(atStart ? QTextCursor::Start : QTextCursor::End);
      QTest::keyClick(Memo(), Qt::Key(key), modifiers);
      QVERIFY2(Typed() == expected, (std::to_string(key) + " gave " + Typed()).c_str());
    }
    QTest::keyClick(Memo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_C, Qt::ControlModifier);
    Memo()->clear();
    QTest::keyClick(Memo(), Qt::Key_Insert, Qt::ShiftModifier);  // paste
    QCOMPARE(Typed(), std::string("one tw"));
  }

  void utf8FilesShowAndReadRealCharacters() {
    // "Où est la gare ?" and "Где вокзал?", with LF line ends.
    const QString french = QString::fromUtf8("O\u00f9 est la gare ?");
    const QString russian =
        QString::fromUtf8("\u0413\u0434\u0435 \u0432\u043e\u043a\u0437\u0430\u043b?");
    Load((french + "\n" + russian + "\n").toStdString(), russian.toStdString());
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(), russian);
    TypeText(Memo(), russian);
    QCOMPARE(Typed(), russian.toStdString());
    Wait(11);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(LabelText("LabelCS"), QStringLiteral("60"));  // 11 characters, not 20 bytes

    // A character composed by a dead key or an input method is one key: as
    // the second one it starts the measurement.
    Drill().ShowSentence(french.toStdString());
    QTest::keyClicks(Memo(), QStringLiteral("O"));
    Wait(5);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\u00f9"));
    QApplication::sendEvent(Memo(), &composed);
    QCOMPARE(Drill().TypingSeconds(), 0);
    QCOMPARE(Typed(), std::string("O\xC3\xB9"));

    // File names in messages as the file system spells them.
    QString shown;
    OnNextModal([&shown](QWidget* box) {
      shown = ModalText(box);
      QTest::keyClick(box, Qt::Key_Escape);
    });
    window->ShowMessage(MessageKind::Confirmation, "File /tmp/caf\xC3\xA9 exists. Overwrite?");
    QCOMPARE(shown, QString::fromUtf8("File /tmp/caf\u00e9 exists. Overwrite?"));
    // And on the information line while a file is read.
    Drill().CloseFile();
    Drill().ShowReading("caf\xC3\xA9.dat");
    QCOMPARE(LabelText("LabelInfo"), QString::fromUtf8("Reading caf\u00e9.dat \u2026"));
  }

  void windows1252InputKeepsNonBreakingSpaces() {
    Load(
        "a\xA0"
        "b\r\n",
        "a\xA0"
        "b");
    TypeText(Memo(), QString::fromUtf8("a\u00a0b"));
    QCOMPARE(Typed(), std::string("a\xA0"
                                  "b"));
  }

  void targetShowsWholeLinesAndBreaksLongWords() {
    auto* target = Child<QLabel>("StaticTextTXD");
    const QRect area = target->contentsRect().adjusted(1, 1, -1, -1);
    const int lineHeight = QFontMetrics(target->font()).height();
    // The first and last row, within the text area, that hold any ink.
    auto inkRows = [&] {
      const QImage image = target->grab().toImage();
      int first = -1;
      int last = -1;
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
          if (qGray(image.pixel(x, y)) < 128) {
            if (first < 0) first = y;
            last = y;
            break;
          }
        }
      }
      return std::pair{first, last};
    };
    Drill().ShowSentence(std::string(300, 'W'));           // one word, far wider than the box
    QVERIFY(inkRows().second >= area.top() + lineHeight);  // broken onto the next line
    std::string words;
    for (int i = 0; i < 60; ++i)
      words += "word ";
    Drill().ShowSentence(words);
    const int wholeLines = area.height() / lineHeight;
    QVERIFY(inkRows().second < area.top() + wholeLines * lineHeight);  // no cut-off line
    QVERIFY(inkRows().first <= area.top() + 3);  // level with the typed text, not sunk

    // Right-to-left script starts at the right edge.
    auto inkColumns = [&] {
      const QImage image = target->grab().toImage();
      int left = area.right();
      int right = area.left();
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
          if (qGray(image.pixel(x, y)) >= 128) continue;
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
      return std::pair{left, right};
    };
    const std::string hebrew = "\xD7\x90\xD7\x99\xD7\xA4\xD7\x94 \xD7\xAA\xD7\x97\xD7\xA0\xD7\xAA?";
    Load(hebrew + "\n", hebrew);  // "איפה תחנת?"
    QVERIFY(inkColumns().second >= area.right() - 4);
    QVERIFY(inkColumns().first > area.left() + area.width() / 3);
    // The input box types from the right edge too.
    QVERIFY(Memo()->cursorRect().left() > Memo()->viewport()->width() / 2);
    // And its cue, typed from memory.
    // Answered right before, as the history would say.
    const auto answeredRight = [this](const std::string& sentence) {
      Drill().SetReviews(dru::SentenceReviews{{dru::SentenceKey(sentence), {1, 1.0, {}, true}}});
      Drill().SetRecall(dru::RecallOption::FirstLettersOnly);
    };
    answeredRight(hebrew);
    QCOMPARE(Target(), std::string("\xD7\x90 \xD7\xAA?"));
    QVERIFY(inkColumns().second >= area.right() - 4);
    // An override ends in the cue where the sentence ends it, though the
    // word around its end is hidden; nor does it reach the prompt.
    const std::string overridden =
        "\xE2\x80\xAE"
        "abc\xE2\x80\xAC one two\tprompt";
    Load(overridden + "\n", overridden);
    answeredRight(overridden);
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(),
             QString::fromUtf8("\u202Ea\u202C o t\u2028prompt"));
    Drill().SetRecall(dru::RecallOption::PromptOnly);  // the end goes with the rest
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(),
             QString::fromUtf8("\u202E\u2026\u202C\u2028prompt"));
    Drill().SetRecall(dru::RecallOption::ShowWholeSentence);

    // A sentence longer than the box follows the typing by whole lines,
    // and is whole in the tooltip.
    std::string sentence;
    while (sentence.size() < 197)
      sentence += "word" + std::to_string(sentence.size()) + " ";
    Load(sentence + "\n", sentence);
    QVERIFY(Memo()->cursorRect().left() < Memo()->viewport()->width() / 2);  // and back
    auto* display = Child<dru::ui::TargetDisplay>("StaticTextTXD");
    QCOMPARE(display->toolTip(), QString::fromStdString(sentence));
    const QImage start = target->grab().toImage();
    Memo()->setPlainText(QString::fromStdString(sentence.substr(0, 150)));  // on the third line
    QVERIFY(display->FirstLineShown() > 0);
    QVERIFY(target->grab().toImage() != start);
    QVERIFY(inkRows().second < area.top() + wholeLines * lineHeight);
    QTest::keyClick(Memo(), Qt::Key_Escape);  // the start comes back
    QCOMPARE(display->FirstLineShown(), 0);
    QVERIFY(target->grab().toImage() == start);
    Drill().ShowSentence("Short");
    QCOMPARE(display->toolTip(), QString());
  }

  void marksWhileTypingShowHowFarTheTextMatches() {
    Load("Hello world\r\n", "Hello world");
    auto* target = Child<QLabel>("StaticTextTXD");
    const dru::ui::MarkColours colours =
        dru::ui::ReadableMarkColours(target->palette().color(target->backgroundRole()));
    auto shows = [&](const QColor& colour) {
      const QImage image = target->grab().toImage();
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QColor pixel = image.pixelColor(x, y);
          if (std::abs(pixel.red() - colour.red()) < 24 &&
              std::abs(pixel.green() - colour.green()) < 24 &&
              std::abs(pixel.blue() - colour.blue()) < 24) {
            return true;
          }
        }
      }
      return false;
    };
    const QImage plain = target->grab().toImage();
    Memo()->setPlainText(QStringLiteral("Helx"));
    QVERIFY(target->grab().toImage() == plain);  // off: the sentence as ever
    QTest::keyClick(Memo(), Qt::Key_F11);
    QVERIFY(Drill().Options().markWhileTyping);
    QVERIFY(shows(colours.missing));  // "Hel" done
    QVERIFY(shows(colours.wrong));    // "l" wrong
    Memo()->setPlainText(QStringLiteral("Hel"));
    QVERIFY(shows(colours.missing));
    QVERIFY(!shows(colours.wrong));
    QTest::keyClick(Memo(), Qt::Key_Escape);  // nothing typed: no marks
    QVERIFY(target->grab().toImage() == plain);
    QTest::keyClick(Memo(), Qt::Key_F11);
    QVERIFY(!Drill().Options().markWhileTyping);
  }

  void targetKeepsItsBytesAndAmpersands() {
    const std::string bytes = "Tom & Jerry <b>caf\xE9</b>\x80";
    Drill().ShowSentence(bytes);
    QCOMPARE(Target(), bytes);
    QCOMPARE(Child<QLabel>("StaticTextTXD")->text(),
             QString::fromUtf8("Tom & Jerry <b>caf\u00e9</b>\u20ac"));
    const std::string huge(20'000'000, 'w');
    Drill().ShowSentence(huge);
    QCOMPARE(Target().size(), huge.size());
    QVERIFY(Child<QLabel>("StaticTextTXD")->text().size() < 10000);
  }

  void boxesCentreTheirButtons() {
    // Each kind of box: its buttons' row is centred, and no button has an icon.
    const std::function<void()> kinds[] = {
        [&] { window->ShowMessage(MessageKind::Information, "A notice"); },
        [&] { window->ShowMessage(MessageKind::Confirmation, "A question?"); },
        [&] { window->Controller().RunHandler([] { throw std::runtime_error("An error"); }); },
    };
    for (const auto& show : kinds) {
      int left = 0;
      int right = 0;
      int middle = 0;
      bool icons = false;
      OnNextModal([&](QWidget* box) {
        const auto buttons = box->findChildren<QPushButton*>();
        left = box->width();
        for (QPushButton* button : buttons) {
          const QRect at(button->mapTo(box, QPoint(0, 0)), button->size());
          left = std::min(left, at.left());
          right = std::max(right, at.right());
          icons = icons || !button->icon().isNull();
        }
        middle = box->width() / 2;
        QTest::keyClick(box, Qt::Key_Escape);
      });
      show();
      QVERIFY(std::abs((left + right) / 2 - middle) <= 2);
      QVERIFY(!icons);
    }
  }

  void informationBoxAnswers() {
    OnNextModal([](QWidget* box) {
      QCOMPARE(box->windowTitle(), QStringLiteral("Information"));
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(window->ShowMessage(MessageKind::Information, "Esc & OK"), Answer::Ok);
    OnNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    QCOMPARE(window->ShowMessage(MessageKind::Information, "Enter"), Answer::Ok);
    QString shown;
    OnNextModal([&shown](QWidget* box) {
      shown = ModalText(box);
      box->close();  // the title bar's close button
    });
    QCOMPARE(window->ShowMessage(MessageKind::Information, "a & b"), Answer::Cancel);
    QCOMPARE(shown, QStringLiteral("a & b"));
  }

  void confirmationBoxAnswers() {
    OnNextModal([](QWidget* box) {
      QCOMPARE(box->windowTitle(), QStringLiteral("Confirm"));
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(window->ShowMessage(MessageKind::Confirmation, "Sure?"), Answer::Cancel);
    OnNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    QCOMPARE(window->ShowMessage(MessageKind::Confirmation, "Sure?"), Answer::Ok);
    OnNextModal([](QWidget* box) { box->close(); });
    QCOMPARE(window->ShowMessage(MessageKind::Confirmation, "Sure?"), Answer::Cancel);
  }

  void errorsAreReportedAndTheWindowGoesOn() {
    QString caption;
    QString text;
    OnNextModal([&](QWidget* box) {
      caption = box->windowTitle();
      text = ModalText(box);
      QTest::keyClick(box, Qt::Key_Return);
    });
    const std::string missing = dir->File("missing.dat");
    Commands().SetCurrentFile(missing);
    window->Controller().RunHandler([&] { Commands().LoadFileToList(); });
    QCOMPARE(caption, QString::fromUtf8(dru::ui::kApplicationTitle));
    QCOMPARE(text, QStringLiteral("File not found."));
    QVERIFY(!Drill().HasOpenFile());

    OnNextModal([&](QWidget* box) {
      text = ModalText(box);
      QTest::keyClick(box, Qt::Key_Return);
    });
    window->Controller().RunHandler([] { throw std::bad_alloc(); });
    QCOMPARE(text, QStringLiteral("Not enough memory."));
  }

  // Every text of the windows is asked of the translation: with one that
  // brackets each, only the data the window shows stays bare.
  void everyTextIsMarkedForTranslation() {
    Load("Hello world\r\n", "Hello world");
    BracketCatalogue brackets;
    dru::UseCatalogue(&brackets);
    MainWindow translated(nullptr, &clock);
    translated.findChild<QAction*>(QStringLiteral("Progress1"))->trigger();
    QWidget* progress = translated.findChild<QWidget*>(QStringLiteral("ProgressWindow"));
    const QStringList texts = ShownTexts(&translated) + ShownTexts(progress);
    progress->close();
    dru::UseCatalogue(nullptr);
    // Names and figures stay as they are.
    const QRegularExpression data(
        QStringLiteral("^[^:]*: (000|0|dru Sentence Typing Drill|dru@users\\.invalid|"
                       "Progress chart\\. .*|\\d{4}-\\d\\d-\\d\\d .*)$"));
    QStringList bare;
    for (const QString& text : texts) {
      if (!text.contains(QLatin1Char('[')) && !data.match(text).hasMatch()) bare << text;
    }
    QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QLatin1Char('\n'))));
  }

  // Each translation: every menu's access keys differ, no label is cut,
  // and Hebrew mirrors the window but not an English sentence.
  void everyLanguageFitsItsWindow_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : kTranslatedLanguages)
      QTest::newRow(language) << QString::fromLatin1(language);
  }
  void everyLanguageFitsItsWindow() {
    QFETCH(QString, language);
    qputenv("LANGUAGE", language.toLatin1());
    std::optional<dru::ui::Translations> translations(std::in_place);
    qunsetenv("LANGUAGE");
    QCOMPARE(translations->Language(), language);
    // A count takes the language's own plural form.
    const std::map<QString, QStringList> plurals{
        {QStringLiteral("de"),
         {QStringLiteral("1 Satz nach x exportiert."), QStringLiteral("2 Sätze nach x exportiert."),
          QStringLiteral("5 Sätze nach x exportiert."),
          QStringLiteral("22 Sätze nach x exportiert.")}},
        {QStringLiteral("pl"),
         {QStringLiteral("1 błąd"), QStringLiteral("2 błędy"), QStringLiteral("5 błędów"),
          QStringLiteral("22 błędy")}}};
    if (const auto forms = plurals.find(language); forms != plurals.end()) {
      const bool mistakes = language == QStringLiteral("pl");
      const int counts[] = {1, 2, 5, 22};
      for (int i = 0; i < 4; ++i) {
        const QString text =
            mistakes ? dru::ui::Tr("Display", "%n mistake(s)", nullptr, counts[i])
                     : dru::ui::Tr("Progress", "%n sentence(s) exported to %1.", nullptr, counts[i])
                           .arg(QStringLiteral("x"));
        QCOMPARE(text, forms->second[i]);
      }
    }
    MainWindow translated(nullptr, &clock);
    translated.show();
    QVERIFY(QTest::qWaitForWindowExposed(&translated));
    auto& drill = translated.Controller().GetDrill();
    dru::SentenceFile file = dru::testing::MakeFile({"Hello world"}, dru::TextEncoding::Utf8);
    drill.InstallFile(file);
    drill.ShowSentence("Hello world");
    translated.findChild<QAction*>(QStringLiteral("Progress1"))->trigger();
    QWidget* progress = translated.findChild<QWidget*>(QStringLiteral("ProgressWindow"));
    QWidget* about = translated.findChild<QWidget*>(QStringLiteral("AboutBox"));
    QVERIFY(!translated.findChild<QMenuBar*>()->actions().first()->text().startsWith(
        QStringLiteral("&File")));
    QStringList problems;
    QList<QMenu*> menus = translated.findChildren<QMenu*>();
    QMenu titles;  // the menu bar's own, as a menu
    titles.addActions(translated.menuBar()->actions());
    menus << &titles;
    for (const QMenu* menu : menus)
      problems << SharedAccessKeys(*menu);
    for (QWidget* shown : {static_cast<QWidget*>(&translated), progress, about}) {
      for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->objectName() == QStringLiteral("StatusText"))
          continue;
        if (label->width() < label->sizeHint().width()) problems << label->text();
      }
      // A push button's text fits inside its frame; a check box whole.
      for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const int needed = qobject_cast<const QPushButton*>(button) != nullptr
                               ? button->fontMetrics().horizontalAdvance(text) + 4
                               : button->sizeHint().width();
        if (!text.isEmpty() && button->width() < needed)
          problems << text + QStringLiteral(" %1 < %2").arg(button->width()).arg(needed);
      }
      // A drop-down list shows its longest choice beside its arrow.
      for (const QComboBox* box : shown->findChildren<QComboBox*>()) {
        if (box->width() < box->sizeHint().width())
          problems << box->currentText() +
                          QStringLiteral(" %1 < %2").arg(box->width()).arg(box->sizeHint().width());
      }
    }
    const auto* statistics = translated.findChild<QGroupBox*>(QStringLiteral("Statistics"));
    for (const QLabel* label : statistics->findChildren<QLabel*>()) {
      if (label->geometry().right() > statistics->contentsRect().right()) problems << label->text();
    }
    progress->close();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(translated.width() >= window->width());
    const bool hebrew = language == QStringLiteral("he");
    QCOMPARE(translated.layoutDirection(), hebrew ? Qt::RightToLeft : Qt::LeftToRight);
    // The captions at the right of their bars in Hebrew, at the left else.
    const auto* caption = translated.findChild<QLabel*>(QStringLiteral("Label1"));
    const auto* bar = translated.findChild<QProgressBar*>(QStringLiteral("ProgressBarMS"));
    QCOMPARE(caption->mapTo(&translated, QPoint()).x() > bar->mapTo(&translated, QPoint()).x(),
             hebrew);
    // The sentence keeps its own direction.
    QCOMPARE(translated.findChild<QPlainTextEdit*>(QStringLiteral("MemoTPD"))->layoutDirection(),
             Qt::LeftToRight);
    // The elapsed time reads hours first, left to right, in every language.
    const QString time = QString::fromStdString(dru::TimeLine(1, 2, 3));
    QTextLayout layout(time, translated.font());
    QTextOption direction;
    direction.setTextDirection(translated.layoutDirection());
    layout.setTextOption(direction);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // (After each number's first digit: before it, a cursor may stand at
    // the edge of the Hebrew beside it.)
    QVERIFY2(line.cursorToX(time.indexOf(QStringLiteral("01")) + 1) <
                 line.cursorToX(time.indexOf(QStringLiteral("03")) + 1),
             qPrintable(time));
  }

  // The main window and the Progress window open inside the screen's free
  // area, as they come; ctest runs this at 2x on 1024x768 too.
  void windowsFitTheScreen() {
    auto text = [](const QRect& r) {
      return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    };
    Load("Hello world\r\n", "Hello world");
    const QRect area = window->screen()->availableGeometry();
    QVERIFY2(area.contains(window->frameGeometry()),
             qPrintable(text(window->frameGeometry()) + " in " + text(area)));
    QTest::keyClick(Memo(), Qt::Key_F3);
    auto* progress = window->findChild<QWidget*>(QStringLiteral("ProgressWindow"));
    QVERIFY(progress != nullptr && progress->isVisible());
    QVERIFY2(area.contains(progress->frameGeometry()),
             qPrintable(text(progress->frameGeometry()) + " (least " +
                        text(QRect(QPoint(), progress->minimumSizeHint())) + ") in " + text(area)));
    progress->close();
  }

  void aboutBoxIgnoresEsc() {
    auto& about = *Child<dru::ui::AboutBox>("AboutBox");
    bool stillOpenAfterEsc = false;
    OnNextModal([&](QWidget* box) {
      QCOMPARE(box->windowTitle(), QStringLiteral("About This Program"));
      QTest::keyClick(box, Qt::Key_Escape);
      stillOpenAfterEsc = box->isVisible();
      box->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window->ShowAbout();
    QVERIFY(stillOpenAfterEsc);
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(about.windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha() == 0);
    bool restored = false;
    OnNextModal([&](QWidget* box) {
      box->showMinimized();  // as a window manager's button would
      QTest::qWait(50);
      restored = !box->isMinimized() && !window->isMinimized();
      box->close();
    });
    window->ShowAbout();
    QVERIFY(restored);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Version ") + QLatin1String(dru::kVersion));
    QCOMPARE(about.size(), QSize(276, 161));
    OnNextModal([](QWidget* box) { box->close(); });
    window->ShowAbout();
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
