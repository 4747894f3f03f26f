#pragma once
// An advisory lock (flock) on a folder that makes each read-modify-write of
// a file in it one step among the running instances of the program: whoever
// holds it reads the file, changes it and replaces it before the next one
// reads. Only processes that take the lock wait for it.
#include <chrono>
#include <filesystem>

namespace mirl::rt {

class FolderLock {
 public:
  // How long a save waits for another instance's save; longer than any save
  // takes, short enough that a lock held without end (another user's process
  // in a shared folder) costs a save no more than this.
  static constexpr std::chrono::milliseconds kWait{2000};

  // Takes the exclusive lock of the folder, waiting at most `wait`. Without
  // it (the time ran out, the folder is missing or cannot be locked) the
  // caller goes on unlocked: the lock only keeps instances from losing each
  // other's changes, it never stops a save.
  explicit FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait = kWait);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace mirl::rt
