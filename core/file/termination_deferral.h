#pragma once

#include <csignal>

namespace dru {

// While bytes of a user's file are overwritten in place, a request to end
// the program at once (a second SIGTERM, SIGHUP or SIGINT) must wait until
// the file is whole again: written, cut to size and flushed.
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

// For a signal handler that is about to end the process: true when a
// deferral is under way and signal was kept for its end. Safe to call from
// a signal handler.
bool DeferTermination(int signal) noexcept;

}  // namespace dru
