#pragma once

#include <memory>
#include <optional>
#include <string>

namespace dru {

// What a second start asks of the running dru: come to the front, and
// open file when one is named.
struct InstanceRequest {
  std::string file;             // absolute; "" to come to the front only
  std::string activationToken;  // from the launcher, for the window system
  friend bool operator==(const InstanceRequest&, const InstanceRequest&) = default;
};

// The running dru's local socket in the runtime folder: only its user may
// connect (mode 0600, and the peer's user id is checked). A request is
// acknowledged as soon as it is read; the caller acts on it later.
class InstanceChannel {
 public:
  // Listens at path, replacing what an ended dru left there. Null when no
  // socket can be made: the second start then falls back to the window.
  static std::unique_ptr<InstanceChannel> Listen(const std::string& path);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // For the event loop: readable when a second start connects.
  int Descriptor() const noexcept { return fd_; }
  // Takes one waiting connection; none when there was none, it was
  // another user's, or it sent no whole request in time.
  std::optional<InstanceRequest> Accept();

 private:
  InstanceChannel(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  int fd_;
  std::string path_;
};

// Sends request to the dru listening at path and waits for its answer.
// False when none answers, so that the caller can try another way.
bool SendToRunningInstance(const std::string& path, const InstanceRequest& request);

// The socket's place in the runtime folder.
std::string InstanceChannelPath(const std::string& runtimeFolder);

}  // namespace dru
