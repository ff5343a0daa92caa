// A local socket between a second start and the running dru.
#include "instance_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace dru {
namespace {

// Fields are separated by NUL bytes, which no path holds: the word
// "open", the token, the file.
constexpr char kVerb[] = "open";
constexpr std::size_t kMostBytes = 64 * 1024;
constexpr int kWaitMs = 2000;
constexpr char kAnswer = '+';

bool Address(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// Waits until fd is ready for events, up to milliseconds.
bool WaitFor(int fd, short events, int milliseconds) {
  pollfd ready{fd, events, 0};
  int result = 0;
  do {
    result = poll(&ready, 1, milliseconds);
  } while (result < 0 && errno == EINTR);
  return result == 1;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Reads until the peer shuts its side, within the time allowed.
std::optional<std::string> ReadAll(int fd) {
  std::string bytes;
  char buffer[4096];
  while (bytes.size() <= kMostBytes) {
    if (!WaitFor(fd, POLLIN, kWaitMs)) return std::nullopt;
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return std::nullopt;
}

class OwnedFd {
 public:
  explicit OwnedFd(int fd) : fd_(fd) {}
  ~OwnedFd() {
    if (fd_ >= 0) close(fd_);
  }
  OwnedFd(const OwnedFd&) = delete;
  OwnedFd& operator=(const OwnedFd&) = delete;
  int Get() const noexcept { return fd_; }
  int Release() noexcept { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace

std::string InstanceChannelPath(const std::string& runtimeFolder) {
  return runtimeFolder.empty() ? std::string() : runtimeFolder + "/dru-channel";
}

std::unique_ptr<InstanceChannel> InstanceChannel::Listen(const std::string& path) {
  sockaddr_un address{};
  if (!Address(path, address)) return nullptr;
  OwnedFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (fd.Get() < 0) return nullptr;
  // The caller holds the instance lock: a socket there is an ended dru's.
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) unlink(path.c_str());
  // Private from the moment it exists.
  const mode_t mask = umask(0177);
  const int bound = bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
  umask(mask);
  if (bound != 0 || listen(fd.Get(), 8) != 0) return nullptr;
  return std::unique_ptr<InstanceChannel>(new InstanceChannel(fd.Release(), path));
}

InstanceChannel::~InstanceChannel() {
  close(fd_);
  unlink(path_.c_str());
}

std::optional<InstanceRequest> InstanceChannel::Accept() {
  OwnedFd peer(accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
  if (peer.Get() < 0) return std::nullopt;
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (getsockopt(peer.Get(), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
      credentials.uid != geteuid()) {
    return std::nullopt;
  }
  const std::optional<std::string> bytes = ReadAll(peer.Get());
  if (!bytes) return std::nullopt;
  // "open" NUL token NUL file
  const std::size_t first = bytes->find('\0');
  const std::size_t second = first == std::string::npos ? first : bytes->find('\0', first + 1);
  if (second == std::string::npos || bytes->compare(0, first, kVerb) != 0) return std::nullopt;
  InstanceRequest request;
  request.activationToken = bytes->substr(first + 1, second - first - 1);
  request.file = bytes->substr(second + 1);
  if (request.file.find('\0') != std::string::npos) return std::nullopt;
  WriteAll(peer.Get(), std::string(1, kAnswer));
  return request;
}

bool SendToRunningInstance(const std::string& path, const InstanceRequest& request) {
  sockaddr_un address{};
  if (!Address(path, address)) return false;
  OwnedFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (fd.Get() < 0) return false;
  if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    return false;
  }
  std::string bytes = kVerb;
  bytes += '\0';
  bytes += request.activationToken;
  bytes += '\0';
  bytes += request.file;
  if (!WriteAll(fd.Get(), bytes) || shutdown(fd.Get(), SHUT_WR) != 0) return false;
  char answer = 0;
  if (!WaitFor(fd.Get(), POLLIN, 5 * kWaitMs)) return false;
  return recv(fd.Get(), &answer, 1, 0) == 1 && answer == kAnswer;
}

}  // namespace dru
