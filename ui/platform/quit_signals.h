#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace dru::ui {

// Turns SIGTERM, SIGHUP and SIGINT into a call on the event loop, through
// a self-pipe: the signal handler itself only writes one byte. A later
// signal while that close is under way ends the process as soon as the
// close has written the file and the settings (a write is never left
// halfway); after a close that was refused or failed, it ends the process
// at once, and the next signal starts a new close.
class QuitSignals : public QObject {
 public:
  QuitSignals(QObject* parent, std::function<void()> onQuit);
  ~QuitSignals() override;

  // A close that a signal asked for has ended without ending the program.
  static void CloseEnded() noexcept;
  // A close that a signal asked for has written all it writes; a later
  // signal need not wait any more. Called once, at most.
  static void CloseWritten() noexcept;

 private:
  QSocketNotifier* notifier_ = nullptr;
  std::function<void()> onQuit_;
};

}  // namespace dru::ui
