#pragma once

#include <functional>
#include <string>

#include "app/commands.h"
#include "app/history_recorder.h"
#include "app/lifecycle.h"
#include "app/progress_commands.h"
#include "core/drill/clock.h"
#include "core/drill/drill.h"

namespace dru {

// The program behind the window, put together in one place: the drill, its
// commands and life cycle, and the history. Here alone answers go to the
// history, and from here to whoever shows it, in one order: the answer is
// kept, then the next sentence is picked.
class Session {
 public:
  Session(DrillView& view, Dialogs& dialogs, const Clock& clock, std::string historyPath);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Drill& GetDrill() noexcept { return drill_; }
  Commands& GetCommands() noexcept { return commands_; }
  Lifecycle& GetLifecycle() noexcept { return lifecycle_; }
  HistoryRecorder& History() noexcept { return history_; }
  ProgressCommands& GetProgressCommands() noexcept { return progress_; }

  // The end of the program, after the settings were written: the history's
  // session is closed and the history backed up, the lists freed.
  void Finish();

  // Called after an answer was kept and after a file was read: what the
  // history shows of the open file has changed.
  std::function<void()> onHistoryChanged;

 private:
  Drill drill_;
  Commands commands_;
  Lifecycle lifecycle_;
  HistoryRecorder history_;
  ProgressCommands progress_;
  bool historyChanged_ = false;  // by the Enter under way
};

}  // namespace dru
