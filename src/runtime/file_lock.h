#pragma once
// An advisory lock (flock) that makes each read-modify-write of a file in a
// folder one step among the running instances of the program: whoever holds
// it reads the file, changes it and replaces it before the next one reads.
// It is taken on a lock file of the user's own in the folder, which no other
// user can open, so that no one else can hold it; only processes that take
// the lock wait for it.
#include <chrono>
#include <filesystem>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>

namespace mirl::rt {

class FolderLock {
 public:
  // How long a save waits for another instance's save; longer than any save
  // takes, short enough that a lock held without end costs a save no more
  // than this.
  static constexpr std::chrono::milliseconds kWait{2000};

  // The lock file: hidden, without the extension of any file the program
  // offers in its dialogs and without the form of a temporary file, so that
  // it meets no file of the user's and no sweep removes it. It stays in the
  // folder.
  static constexpr std::string_view kFileName = ".mirlfumarix.lock";

  // Takes the exclusive lock of the folder for the user, waiting at most
  // `wait`. The lock file is made (mode 0600) when missing; it is opened
  // without following a link, and one that is not the user's own regular
  // file is not used. Without the lock (the time ran out, the lock file
  // cannot be used) the caller goes on unlocked, and standard error says
  // so: the lock only keeps instances from losing each other's changes, it
  // never stops a save. A missing folder, or one that nothing can be saved
  // into, is passed over silently: the save fails there anyway.
  explicit FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait = kWait,
                      uid_t user = ::geteuid());
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace mirl::rt
