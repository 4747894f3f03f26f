#include "runtime/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace mirl::rt {

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::close(fd);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

}  // namespace mirl::rt
