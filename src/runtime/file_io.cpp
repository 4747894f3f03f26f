#include "runtime/file_io.h"

#include "runtime/file_lock.h"

#include <cerrno>
#include <cstdint>
#include <charconv>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mirl::rt {
namespace {

// Temporary files older than this are stale whatever their process.
constexpr std::time_t kStaleAfterSeconds = 10 * 60;

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  explicit Descriptor(int f) : fd(f) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  // Closes now; false when the close reports an error (a late write error).
  bool close() {
    const int f = fd;
    fd = -1;
    return ::close(f) == 0;
  }
  int fd;
};

bool writeAll(int fd, std::string_view content) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

std::string temporaryPrefix(const std::string& name) { return "." + name + ".tmp-"; }

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// True when the rest of a temporary file's name after the prefix names a
// process that is gone ("PID-RANDOM"); the older form ("RANDOM") names none.
bool processGone(std::string_view rest) {
  const size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return false;
  long pid = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + dash, pid);
  if (ec != std::errc() || end != rest.data() + dash || pid <= 0) return false;
  if (pid == static_cast<long>(::getpid())) return true;  // one thread: no write of ours is running
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool isOurTemporaryForm(std::string_view rest) {
  const size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return allDigits(rest);
  return allDigits(rest.substr(0, dash)) && allDigits(rest.substr(dash + 1));
}

// The part of a folder entry after ".NAME.tmp-" when it is a temporary file
// of ours: of the target `name`, or of any target when `name` is empty.
std::optional<std::string_view> temporaryRest(std::string_view entry, const std::string& name) {
  std::string_view rest;
  if (!name.empty()) {
    const std::string prefix = temporaryPrefix(name);
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    rest = entry.substr(prefix.size());
  } else {
    const size_t mark = entry.rfind(".tmp-");
    if (entry.empty() || entry.front() != '.' || mark == std::string_view::npos || mark < 2) return std::nullopt;
    rest = entry.substr(mark + 5);
  }
  if (!isOurTemporaryForm(rest)) return std::nullopt;
  return rest;
}

// Removes the temporary files of the target `name` (of every target when it
// is empty) that an earlier write left behind in the folder. Anything else
// is left alone.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(dir)) {
    const std::optional<std::string_view> rest = temporaryRest(e->d_name, name);
    if (!rest) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    if (processGone(*rest) || now - st.st_mtime > kStaleAfterSeconds) {
      ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
  }
  ::closedir(dir);
}

// Opens a fresh temporary file beside the target, created with the mode
// given (less what the umask takes); -1 when none can be made.
int openTemporary(const std::filesystem::path& folder, const std::string& name, mode_t mode,
                  std::filesystem::path& tmp) {
  std::random_device rd;
  const std::string prefix = temporaryPrefix(name) + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 16; ++attempt) {
    tmp = folder / (prefix + std::to_string(rd() % 1000000000u));
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Flushes the folder's entries (the rename) to the disk. File systems that
// cannot flush a folder say so with EINVAL; their renames need no flush.
bool syncFolder(const std::filesystem::path& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.fd < 0) return false;
  if (::fsync(dir.fd) != 0 && errno != EINVAL) return false;
  return true;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
  // Only a regular file is opened at all; opening without blocking and
  // checking again guards against a FIFO put there in between.
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return std::nullopt;

  std::string text;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    if (static_cast<size_t>(n) > maxBytes - text.size()) return std::nullopt;  // it grew meanwhile
    text.append(buffer, static_cast<size_t>(n));
  }
  return text;
}

std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& file, uid_t user) {
  constexpr int kMaxLinks = 40;  // as the system allows in one path
  std::filesystem::path target = file;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
      if (links == 0) return target;  // a new file
      return std::nullopt;            // a link to nothing
    }
    if (!S_ISLNK(st.st_mode) || st.st_uid != user) return target;
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) return std::nullopt;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return std::nullopt;  // a loop
}

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
  return replaceFileAtomically(file, content, ::geteuid());
}

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content, uid_t user) {
  const std::optional<std::filesystem::path> resolved = saveTarget(file, user);
  if (!resolved || resolved->filename().empty()) return false;
  const std::filesystem::path& target = *resolved;

  // Another's link at the target is replaced like a missing file.
  struct stat st {};
  const bool exists = ::lstat(target.c_str(), &st) == 0 && !S_ISLNK(st.st_mode);
  if (exists) {
    if (!S_ISREG(st.st_mode)) return false;
    // Read-only files stay untouched, also for a process that could
    // override the permission bits.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(target.c_str(), W_OK) != 0) return false;
  }

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const std::string name = target.filename().string();
  removeStaleTemporaries(folder, name);
  // The new file never allows more than the one it replaces, not even while
  // it is being filled.
  std::filesystem::path tmp;
  Descriptor out(openTemporary(folder, name, exists ? (st.st_mode & 0777) : 0666, tmp));
  if (out.fd < 0) return false;

  bool ok = true;
  if (exists) {
    // Keep the owner, where allowed, and the permissions of the file
    // replaced (the owner first: changing it may clear the set-id bits).
    if (::fchown(out.fd, st.st_uid, st.st_gid) != 0) {
      // Not permitted for an ordinary user on another's file; the new file
      // then belongs to us, which is all we can do.
    }
    ok = ::fchmod(out.fd, st.st_mode & 07777) == 0;
  }
  if (ok) ok = writeAll(out.fd, content);
  // The content must be on the disk before the new name points to it.
  if (ok) ok = ::fsync(out.fd) == 0;
  if (!out.close()) ok = false;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  return syncFolder(folder);
}

bool updateFile(const std::filesystem::path& file, std::size_t maxBytes,
                const std::function<void(std::string& content)>& change, uid_t user) {
  const std::optional<std::filesystem::path> target = saveTarget(file, user);
  if (!target) return false;
  const FolderLock lock(target->parent_path());
  std::string content;
  struct stat st {};
  if (::lstat(target->c_str(), &st) != 0) {
    if (errno != ENOENT) return false;
  } else if (!S_ISLNK(st.st_mode)) {
    std::optional<std::string> old = readWholeFile(*target, maxBytes);
    if (!old) return false;  // its content could not be kept
    content = std::move(*old);
  }
  change(content);
  return replaceFileAtomically(*target, content, user);
}

void removeStaleTemporaryFiles(const std::filesystem::path& folder) { removeStaleTemporaries(folder, ""); }

}  // namespace mirl::rt
