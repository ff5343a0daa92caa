#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/text/translation.h"

namespace dru {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

namespace {

void Say(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
}

}  // namespace

std::string RuntimeFolder(std::string* why) {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0) {
    return runtime;
  }
  const std::string folder = "/tmp/dru-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    Say(why, Args(Tr("Instance", "%1 cannot be made: %2"), {folder, std::strerror(errno)}));
    return {};
  }
  struct stat info {};
  // Another user's folder, one open to others, or a link planted in its
  // place, is no place for our lock.
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
      (info.st_mode & 077) != 0) {
    Say(why, Args(Tr("Instance", "%1 is not a folder of the user's own with mode 0700"), {folder}));
    return {};
  }
  return folder;
}

InstanceClaim ClaimInstance(const std::string& folder, std::unique_ptr<InstanceLock>& held,
                            std::string* why) {
  if (folder.empty()) return InstanceClaim::CouldNotCheck;
  const std::string path = folder + "/SemaphoreName";
  // O_NONBLOCK: a FIFO planted there must not hold the start.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
    const int error = errno;
    if (fd >= 0 || error == EISDIR || error == ELOOP || error == ENXIO) {
      Say(why, Args(Tr("Instance", "%1 is not dru's lock file"), {path}));
    } else {
      Say(why, Args(Tr("Instance", "%1 cannot be made: %2"), {path, std::strerror(error)}));
    }
    if (fd >= 0) close(fd);
    return InstanceClaim::CouldNotCheck;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return InstanceClaim::AnotherRunning;
    Say(why, Args(Tr("Instance", "%1 cannot be locked: %2"), {path, std::strerror(error)}));
    return InstanceClaim::CouldNotCheck;
  }
  held = std::make_unique<InstanceLock>(fd);
  return InstanceClaim::OnlyInstance;
}

}  // namespace dru
