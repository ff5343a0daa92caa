#pragma once

#include <memory>
#include <string>

namespace dru {

// The mark of a running instance: an exclusive lock on the file
// "SemaphoreName". The lock vanishes with the process however it ends, so
// a crash never blocks the next start.
class InstanceLock {
 public:
  explicit InstanceLock(int fd) : fd_(fd) {}
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

 private:
  int fd_;
};

// Folder for the lock: $XDG_RUNTIME_DIR, or else a folder of mode 0700
// under /tmp named after the user id, refused when another user owns it,
// it is open to others or it is a link. Empty when no usable folder can be
// had; why then says why, in words for the user.
std::string RuntimeFolder(std::string* why = nullptr);

enum class InstanceClaim {
  OnlyInstance,    // the lock is ours
  AnotherRunning,  // another process holds it
  CouldNotCheck,   // no lock could be made; go on as the only instance
};

// Tries to take the lock in folder; on success the lock lives in held.
// Anything at the lock's name but a regular file of the user's is never
// used. CouldNotCheck sets why, unless folder is empty.
InstanceClaim ClaimInstance(const std::string& folder, std::unique_ptr<InstanceLock>& held,
                            std::string* why = nullptr);

// Finds the running instance's main window by its caption and brings it
// to the front; the window system provides it.
class WindowActivator {
 public:
  virtual ~WindowActivator() = default;
  virtual void ActivateWindowByCaption(const std::string& caption) = 0;
};

}  // namespace dru
