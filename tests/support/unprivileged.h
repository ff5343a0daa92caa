#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>

namespace dru::testing {

// Runs check in a forked child after prepare, and returns the text check
// returned there ("" meaning success), or why the child gave none.
inline std::string RunInChild(const std::function<std::string()>& prepare,
                              const std::function<std::string()>& check) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    std::string result = prepare();
    if (result.empty()) {
      try {
        result = check();
      } catch (const std::exception& error) {
        result = error.what();
      }
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

// Caps the size of the files this process writes. SIGXFSZ is ignored, as
// dru ignores it, so that a write past the cap fails with EFBIG. For the
// preparation step of RunInChild: "" on success.
inline std::string LimitFileSize(rlim_t bytes) {
  signal(SIGXFSZ, SIG_IGN);
  const rlimit cap{bytes, bytes};
  return setrlimit(RLIMIT_FSIZE, &cap) == 0 ? std::string() : std::string("no limit");
}

// Runs check as an ordinary user, so that file permissions bind even when
// the tests run as root (as in CI): a root process forks a child that
// drops to "nobody".
inline std::string RunUnprivileged(const std::function<std::string()>& check) {
  if (geteuid() != 0) return check();
  return RunInChild(
      [] {
        constexpr uid_t kNobody = 65534;
        const bool dropped =
            setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
        return dropped ? std::string() : std::string("could not drop privileges");
      },
      check);
}

}  // namespace dru::testing
