#include "core/file/termination_deferral.h"

#include <pthread.h>

#include <atomic>

namespace dru {
namespace {

// One word, so that a handler and the end of a deferral never both miss a
// request: the number of deferrals under way times kOneDeferral, plus the
// signal kept for their end (signal numbers stay below kOneDeferral).
constexpr int kOneDeferral = 256;
std::atomic<int> deferrals{0};
static_assert(std::atomic<int>::is_always_lock_free, "used from signal handlers");

sigset_t TerminationSignals() noexcept {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : {SIGTERM, SIGHUP, SIGINT})
    sigaddset(&set, signal);
  return set;
}

}  // namespace

void HoldTermination() noexcept {
  deferrals.fetch_add(kOneDeferral);
}

void ReleaseTermination() noexcept {
  int word = deferrals.load();
  int next;
  do {
    next = word - kOneDeferral;
    if (next < kOneDeferral) next = 0;  // the last one takes the kept signal
  } while (!deferrals.compare_exchange_weak(word, next));
  const int kept = word % kOneDeferral;
  if (next == 0 && kept != 0) {
    std::signal(kept, SIG_DFL);
    raise(kept);
  }
}

TerminationDeferral::TerminationDeferral() noexcept {
  HoldTermination();
  const sigset_t set = TerminationSignals();
  pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
}

TerminationDeferral::~TerminationDeferral() {
  // Unblocked first: a signal held back in this thread reaches the handler
  // while the deferral still counts, and is kept like any other.
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
  ReleaseTermination();
}

bool DeferTermination(int signal) noexcept {
  int word = deferrals.load();
  do {
    if (word < kOneDeferral) return false;
  } while (!deferrals.compare_exchange_weak(word, word - word % kOneDeferral + signal));
  return true;
}

}  // namespace dru
