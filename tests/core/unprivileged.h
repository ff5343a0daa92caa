#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace dru::testing {

// Runs check as an ordinary user, so that file permissions bind even when
// the tests run as root (as in CI): a root process forks a child that
// drops to "nobody". Returns what check returns, "" meaning success.
inline std::string RunUnprivileged(const std::function<std::string()>& check) {
  if (geteuid() != 0) return check();
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    constexpr uid_t kNobody = 65534;
    std::string result;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
      result = "could not drop privileges";
    } else {
      result = check();
    }
    [[maybe_unused]] auto ignored = write(fds[1], result.data(), result.size());
    _exit(0);
  }
  close(fds[1]);
  std::string result;
  char buffer[512];
  ssize_t got;
  while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
    result.append(buffer, got);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the check crashed";
  return result;
}

}  // namespace dru::testing
