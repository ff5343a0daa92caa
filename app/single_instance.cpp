#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace dru {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

std::string RuntimeFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0) {
    return runtime;
  }
  const std::string folder = "/tmp/dru-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  struct stat info {};
  // Another user's folder, or a link planted in its place, is no place for
  // our lock.
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
      (info.st_mode & 077) != 0) {
    return {};
  }
  return folder;
}

InstanceClaim ClaimInstance(const std::string& folder, std::unique_ptr<InstanceLock>& held) {
  if (folder.empty()) return InstanceClaim::CouldNotCheck;
  const std::string path = folder + "/SemaphoreName";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return InstanceClaim::CouldNotCheck;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    return error == EWOULDBLOCK ? InstanceClaim::AnotherRunning : InstanceClaim::CouldNotCheck;
  }
  held = std::make_unique<InstanceLock>(fd);
  return InstanceClaim::OnlyInstance;
}

}  // namespace dru
