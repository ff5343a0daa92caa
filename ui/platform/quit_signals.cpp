#include "ui/platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>

#include "core/file/termination_deferral.h"

namespace dru::ui {
namespace {

int pipeFds[2] = {-1, -1};
// 1 while a close that a signal asked for is under way and holds off later
// signals, 2 once it has written what it writes. Two signals may arrive at
// once on two threads (a closed terminal): one of them starts the close.
std::atomic<int> closeUnderWay{0};
static_assert(std::atomic<int>::is_always_lock_free, "used from signal handlers");

void OnSignal(int signal) {
  // Held before anything else, so that a signal arriving on another thread
  // at the same moment already waits.
  HoldTermination();
  int idle = 0;
  if (closeUnderWay.compare_exchange_strong(idle, 1)) {
    // The first request: the close keeps the hold until it has written.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(pipeFds[1], &byte, 1);
    errno = saved;
    return;
  }
  // A later request ends the program as soon as the close under way has
  // written what it writes, and at once when nothing is being written: a
  // write is never abandoned halfway.
  DeferTermination(signal);
  ReleaseTermination();
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
  if (closeUnderWay.exchange(0) == 1) ReleaseTermination();
}

void QuitSignals::CloseWritten() noexcept {
  int holding = 1;
  if (closeUnderWay.compare_exchange_strong(holding, 2)) ReleaseTermination();
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
