#include "ui/platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

#include "core/file/termination_deferral.h"

namespace dru::ui {
namespace {

int pipeFds[2] = {-1, -1};
// Set while a close that a signal asked for is under way.
volatile sig_atomic_t closeUnderWay = 0;

void OnSignal(int signal) {
  // A second request means now, whatever the first one is waiting for,
  // except that a file being overwritten in place is finished first.
  if (closeUnderWay != 0) {
    if (DeferTermination(signal)) return;
    std::signal(signal, SIG_DFL);
    raise(signal);
    return;
  }
  closeUnderWay = 1;
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(pipeFds[1], &byte, 1);
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent, std::function<void()> onQuit)
    : QObject(parent), onQuit_(std::move(onQuit)) {
  if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (read(pipeFds[0], bytes, sizeof bytes) > 0) {
    }
    if (onQuit_) onQuit_();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT})
    sigaction(signal, &action, nullptr);
}

void QuitSignals::CloseEnded() noexcept {
  closeUnderWay = 0;
}

QuitSignals::~QuitSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int signal : {SIGTERM, SIGHUP, SIGINT})
    sigaction(signal, &action, nullptr);
  close(pipeFds[0]);
  close(pipeFds[1]);
  pipeFds[0] = pipeFds[1] = -1;
}

}  // namespace dru::ui
