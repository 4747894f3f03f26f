#include "runtime/file_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace mirl::rt {

namespace {

void goingOnWithout(const std::filesystem::path& lockFile, const std::string& why) {
  std::cerr << "mirlfumarix: saving without the lock " << lockFile.string() << ": " << why << "\n";
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait, uid_t user) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  const std::filesystem::path lockFile = dir / kFileName;
  const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
  if (fd < 0) {
    const int error = errno;
    // No folder, or one that nothing can be saved into: the save fails
    // anyway.
    if (error == ENOENT || error == ENOTDIR || ::access(dir.c_str(), W_OK) != 0) return;
    goingOnWithout(lockFile, error == ELOOP ? "it is a link" : std::strerror(error));
    return;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != user) {
    ::close(fd);
    goingOnWithout(lockFile, "it is not a file of this user");
    return;
  }
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  const int error = errno;
  ::close(fd);
  goingOnWithout(lockFile, error == EWOULDBLOCK ? "another save has held it for " + std::to_string(wait.count()) + " ms"
                                                : std::string(std::strerror(error)));
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

}  // namespace mirl::rt
