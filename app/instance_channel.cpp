// A local socket between a second start and the running dru.
#include "app/instance_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace dru {
namespace {

using SteadyClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Fields are separated by NUL bytes, which no path holds: the word
// "open", the token, the file.
constexpr char kVerb[] = "open";
constexpr char kAnswer = '+';
// How long a second start waits for the running dru, busy or not.
constexpr milliseconds kSendPatience{5000};
constexpr milliseconds kBusyPause{100};

bool Address(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// Waits until fd is ready for events, up to timeoutMs.
bool WaitFor(int fd, short events, int timeoutMs) {
  pollfd ready{fd, events, 0};
  int result = 0;
  do {
    result = poll(&ready, 1, timeoutMs);
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

class OwnedFd {
 public:
  explicit OwnedFd(int fd = -1) : fd_(fd) {}
  ~OwnedFd() {
    if (fd_ >= 0) close(fd_);
  }
  OwnedFd(OwnedFd&& other) noexcept : fd_(other.Release()) {}
  OwnedFd& operator=(OwnedFd&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) close(fd_);
      fd_ = other.Release();
    }
    return *this;
  }
  int Get() const noexcept { return fd_; }
  int Release() noexcept { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// "open" NUL token NUL file, or none.
std::optional<InstanceRequest> Parse(const std::string& bytes) {
  const std::size_t first = bytes.find('\0');
  const std::size_t second = first == std::string::npos ? first : bytes.find('\0', first + 1);
  if (second == std::string::npos || bytes.compare(0, first, kVerb) != 0) return std::nullopt;
  InstanceRequest request;
  request.activationToken = bytes.substr(first + 1, second - first - 1);
  request.file = bytes.substr(second + 1);
  if (request.file.find('\0') != std::string::npos) return std::nullopt;
  return request;
}

std::string Compose(const InstanceRequest& request) {
  std::string bytes = kVerb;
  bytes += '\0';
  bytes += request.activationToken;
  bytes += '\0';
  bytes += request.file;
  return bytes;
}

}  // namespace

// Serves the listening socket on its own thread; complete requests wait
// in a queue, and an eventfd tells the event loop.
class InstanceChannel::Reader {
 public:
  Reader(OwnedFd listening, std::string path)
      : listening_(std::move(listening)),
        path_(std::move(path)),
        stop_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
        ready_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

  bool Start() {
    if (stop_.Get() < 0 || ready_.Get() < 0) return false;
    // Signals are the event loop's: this thread never takes one.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    thread_ = std::thread([this] { Run(); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return true;
  }

  ~Reader() {
    if (thread_.joinable()) {
      const std::uint64_t one = 1;
      [[maybe_unused]] const ssize_t ignored = write(stop_.Get(), &one, sizeof one);
      thread_.join();
    }
    unlink(path_.c_str());
  }

  int ReadyFd() const noexcept { return ready_.Get(); }

  std::vector<InstanceRequest> Take() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t ignored = read(ready_.Get(), &count, sizeof count);
    const std::lock_guard lock(mutex_);
    return std::exchange(requests_, {});
  }

 private:
  struct Client {
    OwnedFd fd;
    std::string bytes;
    SteadyClock::time_point deadline;
  };

  void Run() {
    std::vector<Client> clients;
    std::vector<pollfd> fds;
    for (;;) {
      fds.assign({{stop_.Get(), POLLIN, 0}, {listening_.Get(), POLLIN, 0}});
      for (const Client& client : clients)
        fds.push_back({client.fd.Get(), POLLIN, 0});
      int timeout = -1;
      if (!clients.empty()) {
        const auto soonest = std::min_element(clients.begin(), clients.end(), [](auto& a, auto& b) {
                               return a.deadline < b.deadline;
                             })->deadline;
        const auto left = std::chrono::ceil<milliseconds>(soonest - SteadyClock::now()).count();
        timeout = static_cast<int>(std::clamp<long long>(left, 0, kWholeRequestMs));
      }
      if (poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) return;
      if (fds[0].revents != 0) return;
      const auto now = SteadyClock::now();
      std::vector<Client> waiting;
      for (std::size_t i = 0; i < clients.size(); ++i) {
        Client& client = clients[i];
        const bool open = fds[i + 2].revents == 0 || ReadFrom(client);
        if (open && now < client.deadline) waiting.push_back(std::move(client));
      }
      clients = std::move(waiting);
      if (fds[1].revents != 0) AcceptAll(clients, now);
    }
  }

  // Takes every waiting connection: a client of ours while there is room,
  // the others closed at once.
  void AcceptAll(std::vector<Client>& clients, SteadyClock::time_point now) {
    for (;;) {
      OwnedFd peer(accept4(listening_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
      if (peer.Get() < 0) {
        if (errno == EINTR || errno == ECONNABORTED) continue;
        return;  // none left (EAGAIN), or out of descriptors for now
      }
      ucred credentials{};
      socklen_t size = sizeof credentials;
      if (getsockopt(peer.Get(), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
          credentials.uid != geteuid() || clients.size() >= kMostClients) {
        continue;
      }
      clients.push_back({std::move(peer), {}, now + milliseconds(kWholeRequestMs)});
    }
  }

  // Reads what client has sent; false once it is done with, served or not.
  bool ReadFrom(Client& client) {
    char buffer[4096];
    for (;;) {
      const ssize_t n = recv(client.fd.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
      if (n > 0) {
        client.bytes.append(buffer, static_cast<std::size_t>(n));
        if (client.bytes.size() > kMostRequestBytes) return false;
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
      if (n == 0) Serve(client);  // the peer shut its side: the request is whole
      return false;
    }
  }

  void Serve(const Client& client) {
    std::optional<InstanceRequest> request = Parse(client.bytes);
    if (!request) return;
    {
      const std::lock_guard lock(mutex_);
      requests_.push_back(std::move(*request));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = write(ready_.Get(), &one, sizeof one);
    send(client.fd.Get(), &kAnswer, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
  }

  OwnedFd listening_;
  std::string path_;
  OwnedFd stop_;
  OwnedFd ready_;
  std::mutex mutex_;
  std::vector<InstanceRequest> requests_;
  std::thread thread_;
};

std::string InstanceChannelPath(const std::string& runtimeFolder) {
  return runtimeFolder.empty() ? std::string() : runtimeFolder + "/dru-channel";
}

std::unique_ptr<InstanceChannel> InstanceChannel::Listen(const std::string& path) {
  sockaddr_un address{};
  if (!Address(path, address)) return nullptr;
  OwnedFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (fd.Get() < 0) return nullptr;
  // The caller holds the instance lock: a socket of the user's there is an
  // ended dru's. Anything else is left as it is, and nothing listens.
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == geteuid()) {
    unlink(path.c_str());
  }
  // Private from the moment it exists.
  const mode_t mask = umask(0177);
  const int bound = bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
  umask(mask);
  if (bound != 0) return nullptr;
  if (listen(fd.Get(), 16) != 0) {
    unlink(path.c_str());
    return nullptr;
  }
  auto reader = std::make_unique<Reader>(std::move(fd), path);
  if (!reader->Start()) return nullptr;
  return std::unique_ptr<InstanceChannel>(new InstanceChannel(std::move(reader)));
}

InstanceChannel::InstanceChannel(std::unique_ptr<Reader> reader) : reader_(std::move(reader)) {}

InstanceChannel::~InstanceChannel() = default;

int InstanceChannel::Descriptor() const noexcept {
  return reader_->ReadyFd();
}

std::vector<InstanceRequest> InstanceChannel::TakeRequests() {
  return reader_->Take();
}

bool SendToRunningInstance(const std::string& path, const InstanceRequest& request) {
  sockaddr_un address{};
  const std::string bytes = Compose(request);
  if (!Address(path, address) || bytes.size() > InstanceChannel::kMostRequestBytes) return false;
  const auto deadline = SteadyClock::now() + kSendPatience;
  // A dru busy with other clients closes the connection unanswered: then
  // again, after a pause, until it answers or time is up.
  do {
    OwnedFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.Get() < 0) return false;
    if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      if (errno != EAGAIN) return false;  // nobody listens
    } else if (WriteAll(fd.Get(), bytes) && shutdown(fd.Get(), SHUT_WR) == 0) {
      const auto left = std::chrono::ceil<milliseconds>(deadline - SteadyClock::now()).count();
      if (!WaitFor(fd.Get(), POLLIN, static_cast<int>(std::max<long long>(left, 0)))) return false;
      char answer = 0;
      if (recv(fd.Get(), &answer, 1, 0) == 1) return answer == kAnswer;
    }
    std::this_thread::sleep_for(kBusyPause);
  } while (SteadyClock::now() < deadline);
  return false;
}

}  // namespace dru
