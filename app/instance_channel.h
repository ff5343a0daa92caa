#pragma once

#include <memory>
#include <string>
#include <vector>

namespace dru {

// What a second start asks of the running dru: come to the front, and
// open file when one is named.
struct InstanceRequest {
  std::string file;             // absolute; "" to come to the front only
  std::string activationToken;  // from the launcher, for the window system
  friend bool operator==(const InstanceRequest&, const InstanceRequest&) = default;
};

// The running dru's local socket in the runtime folder: only its user may
// connect (mode 0600, and the peer's user id is checked). Connections are
// read on a thread of their own, so that no client, however slow, holds
// the window or a signal: each must send its whole request within
// kWholeRequestMs and kMostRequestBytes, and at most kMostClients are
// served at once; the others are closed at once. A request is
// acknowledged as soon as it is read; the caller acts on it later.
class InstanceChannel {
 public:
  static constexpr int kWholeRequestMs = 1000;
  static constexpr std::size_t kMostRequestBytes = 16 * 1024;  // a path and a token
  static constexpr std::size_t kMostClients = 4;

  // Listens at path, replacing what an ended dru left there. Null when no
  // socket can be made: the second start then falls back to the window.
  static std::unique_ptr<InstanceChannel> Listen(const std::string& path);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // For the event loop: readable while requests are waiting.
  int Descriptor() const noexcept;
  // The requests read since the last call, oldest first.
  std::vector<InstanceRequest> TakeRequests();

 private:
  class Reader;
  explicit InstanceChannel(std::unique_ptr<Reader> reader);
  std::unique_ptr<Reader> reader_;
};

// Sends request to the dru listening at path and waits for its answer,
// trying again for a while when that dru is busy with other clients.
// False when none answers, so that the caller can try another way.
bool SendToRunningInstance(const std::string& path, const InstanceRequest& request);

// The socket's place in the runtime folder.
std::string InstanceChannelPath(const std::string& runtimeFolder);

}  // namespace dru
