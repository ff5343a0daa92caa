#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace dru::ui {

// Turns SIGTERM, SIGHUP and SIGINT into a call on the event loop, through
// a self-pipe: the signal handler itself only writes one byte. A second
// signal ends the process at once, as the signal's default would.
class QuitSignals : public QObject {
 public:
  QuitSignals(QObject* parent, std::function<void()> onQuit);
  ~QuitSignals() override;

 private:
  QSocketNotifier* notifier_ = nullptr;
  std::function<void()> onQuit_;
};

}  // namespace dru::ui
