#pragma once

#include <csignal>

namespace dru {

// While a user's file is written, in place or through a temporary file, a
// request to end the program at once (a later SIGTERM, SIGHUP or SIGINT)
// must wait until the write is done: the file whole, the temporary file
// renamed or removed.
//
// A deferral blocks those signals in the calling thread and marks the
// process as busy, so that a handler running in any other thread puts its
// request off too. When the last deferral ends, a request that came
// meanwhile ends the process as the signal's default action would.
class TerminationDeferral {
 public:
  TerminationDeferral() noexcept;
  TerminationDeferral(const TerminationDeferral&) = delete;
  TerminationDeferral& operator=(const TerminationDeferral&) = delete;
  ~TerminationDeferral();

 private:
  sigset_t previousMask_;
};

// The same for a whole close that a signal asked for: taken by the signal
// handler itself (it is safe there), so that a second signal a moment
// later already waits, and released by the close when its writes are done
// or when it was refused. A request kept meanwhile then ends the process.
void HoldTermination() noexcept;
void ReleaseTermination() noexcept;

// For a signal handler that is about to end the process: true when a
// deferral is under way and signal was kept for its end. Safe to call from
// a signal handler.
bool DeferTermination(int signal) noexcept;

}  // namespace dru
