#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace dru::ui {

// Turns SIGTERM, SIGHUP and SIGINT into a call on the event loop, through
// a self-pipe: the signal handler itself only writes one byte. A second
// signal while that close is under way ends the process at once, as the
// signal's default would (once a file being overwritten in place is
// whole); after a close that was refused or failed, the next signal
// starts a new close.
class QuitSignals : public QObject {
 public:
  QuitSignals(QObject* parent, std::function<void()> onQuit);
  ~QuitSignals() override;

  // A close that a signal asked for has ended without ending the program.
  static void CloseEnded() noexcept;

 private:
  QSocketNotifier* notifier_ = nullptr;
  std::function<void()> onQuit_;
};

}  // namespace dru::ui
