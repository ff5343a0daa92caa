// The main window's menus, their shortcuts and check marks.
#include "ui/window/menu_bar.h"
#include "ui/platform/translation.h"

#include <QAction>
#include <QActionGroup>

namespace dru::ui {

MenuBar::MenuBar(QWidget* parent, Run run, Windows windows)
    : QMenuBar(parent), run_(std::move(run)) {
  setObjectName(QStringLiteral("MenuDruMain"));
  QMenu* file = addMenu(Tr("Menu", "&File"));
  file->setObjectName(QStringLiteral("File1"));
  AddItem(file, "Open1", Tr("Menu", "&Open..."), 0, &Commands::Open);
  QAction* newFromText = file->addAction(Tr("Menu", "New from &Text..."));
  newFromText->setObjectName(QStringLiteral("NewFromText1"));
  newFromText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  newFromText->setShortcutContext(Qt::WindowShortcut);
  connect(newFromText, &QAction::triggered, this, windows.newFromText);
  QAction* import = file->addAction(Tr("Menu", "&Import..."));
  import->setObjectName(QStringLiteral("Import1"));
  connect(import, &QAction::triggered, this, windows.import);
  AddItem(file, "Save1", Tr("Menu", "&Save"), 0, &Commands::Save);
  AddItem(file, "SaveAs1", Tr("Menu", "Save &As..."), 0, &Commands::SaveAs);
  AddItem(file, "Close1", Tr("Menu", "&Close"), 0, &Commands::Close);
  file->addSeparator()->setObjectName(QStringLiteral("N1"));
  QAction* exitItem = file->addAction(Tr("Menu", "E&xit"));
  exitItem->setObjectName(QStringLiteral("Exit1"));
  connect(exitItem, &QAction::triggered, this, windows.exit);

  QMenu* edit = addMenu(Tr("Menu", "&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  undoItem_ = AddItem(edit, "Undo1", Tr("Menu", "&Undo"), Qt::Key_F7, &Commands::Undo);
  undoItem_->setEnabled(false);
  edit->addSeparator()->setObjectName(QStringLiteral("N2"));
  AddItem(edit, "ClearAllMarks1", Tr("Menu", "&Clear All Marks"), Qt::Key_F8,
          &Commands::ClearAllMarks);
  AddItem(edit, "MarkReady1", Tr("Menu", "&Mark Ready"), Qt::Key_F12, &Commands::MarkReady);
  AddItem(edit, "PreviousSentence1", Tr("Menu", "Previous Sentence"), Qt::Key_F9,
          &Commands::PreviousSentence);
  // F1: a key the drill leaves alone, without Ctrl, which alone brings back
  // the previous sentence.
  hintItem_ = AddItem(edit, "Hint1", Tr("Menu", "&Hint"), Qt::Key_F1, &Commands::Hint);
  hintItem_->setEnabled(false);
  // F10, not Ctrl+Space: Ctrl alone brings back the previous sentence.
  sayAgainItem_ =
      AddItem(edit, "SayAgain1", Tr("Menu", "Say A&gain"), Qt::Key_F10, &Commands::SayAgain);
  sayAgainItem_->setEnabled(false);

  QMenu* options = addMenu(Tr("Menu", "&Options"));
  options->setObjectName(QStringLiteral("Options1"));
  soundEffectItem_ = AddItem(options, "SoundEffect1", Tr("Menu", "&Sound Effect"), Qt::Key_F4,
                             &Commands::ToggleSoundEffect, true);
  caseSensitiveItem_ = AddItem(options, "CaseSensitive1", Tr("Menu", "&Case Sensitive"), Qt::Key_F5,
                               &Commands::ToggleCaseSensitive, true);
  showMistakesItem_ = AddItem(options, "ShowMistakes1", Tr("Menu", "Show &Mistakes"), Qt::Key_F6,
                              &Commands::ToggleShowMistakes, true);
  options->addSeparator()->setObjectName(QStringLiteral("N4"));
  markWhileTypingItem_ = AddItem(options, "MarkWhileTyping1", Tr("Menu", "Mark &While Typing"),
                                 Qt::Key_F11, &Commands::ToggleMarkWhileTyping, true);
  speakAfterEnterItem_ = AddItem(options, "SpeakAfterEnter1", Tr("Menu", "Spea&k After Enter"), 0,
                                 &Commands::ToggleSpeakAfterEnter, true);
  voiceItem_ = options->addAction(Tr("Menu", "&Voice..."));
  voiceItem_->setObjectName(QStringLiteral("Voice1"));
  connect(voiceItem_, &QAction::triggered, this, windows.voice);
  // A disabled item says why in its tooltip.
  options->setToolTipsVisible(true);
  QMenu* order = options->addMenu(Tr("Menu", "Or&der"));
  order->setObjectName(QStringLiteral("Order1"));
  order->setToolTipsVisible(true);
  const auto chosen = windows.chosen;
  AddChoices(order, kSentenceOrderTable, kSentenceOrders, orderItems_, [this, chosen](int i) {
    // F2 switches between review and random order; the item does as F2.
    if (i == static_cast<int>(SentenceOrder::ReviewDue)) {
      run_([](Commands& commands) { commands.ToggleReviewDue(); });
    } else {
      run_([i](Commands& commands) { commands.SetOrder(static_cast<SentenceOrder>(i)); });
    }
    chosen();
  });
  QAction* reviewDue = orderItems_[static_cast<int>(SentenceOrder::ReviewDue)];
  reviewDue->setShortcut(QKeySequence(Qt::Key_F2));
  reviewDue->setShortcutContext(Qt::WindowShortcut);
  QMenu* recall = options->addMenu(Tr("Menu", "Rec&all"));
  recall->setObjectName(QStringLiteral("Recall1"));
  recall->setToolTipsVisible(true);
  AddChoices(recall, kRecallOptionTable, kRecallOptions, recallItems_, [this, chosen](int i) {
    run_([i](Commands& commands) { commands.SetRecall(static_cast<RecallOption>(i)); });
    chosen();
  });
  options->addSeparator()->setObjectName(QStringLiteral("N3"));
  QAction* progressItem = options->addAction(Tr("Menu", "&Progress..."));
  progressItem->setObjectName(QStringLiteral("Progress1"));
  progressItem->setShortcut(QKeySequence(Qt::Key_F3));
  progressItem->setShortcutContext(Qt::WindowShortcut);
  connect(progressItem, &QAction::triggered, this, windows.progress);

  QMenu* help = addMenu(Tr("Menu", "&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  AddItem(help, "About1", Tr("Menu", "&About..."), 0, &Commands::About);
}

template <typename Facts>
void MenuBar::AddChoices(QMenu* menu, const Facts* facts, int count, QAction** items,
                         const std::function<void(int)>& choose) {
  auto* group = new QActionGroup(menu);
  for (int i = 0; i < count; ++i) {
    QAction* item = menu->addAction(Tr("Menu", facts[i].menuLabel));
    item->setObjectName(QString::fromLatin1(facts[i].objectName));
    item->setCheckable(true);
    group->addAction(item);
    items[i] = item;
    connect(item, &QAction::triggered, this, [this, choose, i] {
      choose(i);
      // The marks show the drill's choices, also when one was refused.
      ShowChoices();
    });
  }
  items[0]->setChecked(true);
}

QAction* MenuBar::AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                          Command command, bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (checkable) {
    action->setCheckable(true);
    action->setChecked(true);
    // Undoes Qt's own toggle: the mark shows the drill's option, which the
    // command switches.
    connect(action, &QAction::triggered, action,
            [action](bool checked) { action->setChecked(!checked); });
  }
  if (shortcut != 0) {
    action->setShortcut(QKeySequence(shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
  }
  connect(action, &QAction::triggered, this,
          [this, command] { run_([command](Commands& commands) { (commands.*command)(); }); });
  return action;
}

void MenuBar::ShowChoices() {
  orderItems_[static_cast<int>(options_.order)]->setChecked(true);
  recallItems_[static_cast<int>(options_.recall)]->setChecked(true);
}

void MenuBar::Show(const DrillSnapshot& snapshot) {
  soundEffectItem_->setChecked(snapshot.options.soundEffect);
  caseSensitiveItem_->setChecked(snapshot.options.caseSensitive);
  showMistakesItem_->setChecked(snapshot.options.showMistakes);
  markWhileTypingItem_->setChecked(snapshot.options.markWhileTyping);
  speakAfterEnterItem_->setChecked(snapshot.options.speakAfterEnter);
  // The speech items say why they are off when there is no speech.
  const bool speech = snapshot.speechUnavailable.empty();
  const QString noSpeech = QString::fromUtf8(
      snapshot.speechUnavailable.data(), static_cast<qsizetype>(snapshot.speechUnavailable.size()));
  QAction* listen = recallItems_[static_cast<int>(RecallOption::ListenAndType)];
  for (QAction* item : {speakAfterEnterItem_, listen, sayAgainItem_, voiceItem_}) {
    item->setEnabled(speech);
    item->setToolTip(noSpeech);
  }
  sayAgainItem_->setEnabled(speech && snapshot.recall != nullptr &&
                            snapshot.recall->Level() == CueLevel::Listening);
  const bool reviewPossible = snapshot.reviewUnavailable.empty();
  // The menu shows only tooltips that differ from the item's text.
  const QString why = reviewPossible ? QString()
                                     : QString::fromUtf8(snapshot.reviewUnavailable.data(),
                                                         snapshot.reviewUnavailable.size());
  QAction* reviewDue = orderItems_[static_cast<int>(SentenceOrder::ReviewDue)];
  reviewDue->setEnabled(reviewPossible);
  reviewDue->setToolTip(why);
  options_ = snapshot.options;
  ShowChoices();
  hintItem_->setEnabled(snapshot.recall != nullptr &&
                        snapshot.recall->Level() != CueLevel::WholeSentence);
  const std::string undo = UndoText(snapshot);
  undoItem_->setEnabled(!undo.empty());
  undoItem_->setText(undo.empty() ? Tr("Menu", "&Undo")
                                  : QStringLiteral("&") + QString::fromUtf8(undo.c_str()));
}

}  // namespace dru::ui
