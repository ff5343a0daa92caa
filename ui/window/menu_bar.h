#pragma once

#include <QMenuBar>
#include <functional>

#include "app/commands.h"
#include "core/drill/drill_snapshot.h"

class QAction;

namespace dru::ui {

// MenuDruMain: the File, Edit, Options and Help menus. Each item runs its
// command through run; the check marks and the Undo item show the drill.
class MenuBar : public QMenuBar {
 public:
  using Command = void (Commands::*)();
  // run calls a command of its own on the program's commands.
  using Run = std::function<void(const std::function<void(Commands&)>&)>;
  // The items that open windows of the main window's own.
  struct Windows {
    std::function<void()> newFromText;  // File › New from Text…
    std::function<void()> import;       // File › Import…
    std::function<void()> exit;
    std::function<void()> progress;
    std::function<void()> voice;  // Options › Voice…
    // After a choice in Options › Order or Options › Recall.
    std::function<void()> chosen;
  };
  MenuBar(QWidget* parent, Run run, Windows windows);

  void Show(const DrillSnapshot& snapshot);

 private:
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                   Command command, bool checkable = false);
  // A group of count items of which one is checked, each named and
  // labelled as its facts say; choose(i) runs item i's command.
  template <typename Facts>
  void AddChoices(QMenu* menu, const Facts* facts, int count, QAction** items,
                  const std::function<void(int)>& choose);

  Run run_;
  QAction* recallItems_[kRecallOptions] = {};
  QAction* hintItem_ = nullptr;
  QAction* sayAgainItem_ = nullptr;
  QAction* orderItems_[kSentenceOrders] = {};
  // The drill's options as last shown, and the radio marks set from them.
  DrillOptions options_;
  void ShowChoices();
  QAction* soundEffectItem_ = nullptr;
  QAction* caseSensitiveItem_ = nullptr;
  QAction* showMistakesItem_ = nullptr;
  QAction* markWhileTypingItem_ = nullptr;
  QAction* speakAfterEnterItem_ = nullptr;
  QAction* voiceItem_ = nullptr;
  QAction* undoItem_ = nullptr;
};

}  // namespace dru::ui
