#include "runtime/file_io.h"

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

// Removes the temporary files of the target `name` in the folder that an
// earlier write left behind. Anything else is left alone.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = temporaryPrefix(name);
  const std::time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view entry(e->d_name);
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string_view rest = entry.substr(prefix.size());
    if (!isOurTemporaryForm(rest)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    if (processGone(rest) || now - st.st_mtime > kStaleAfterSeconds) {
      ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
  }
  ::closedir(dir);
}

// Opens a fresh temporary file beside the target; -1 when none can be made.
int openTemporary(const std::filesystem::path& folder, const std::string& name,
                  std::filesystem::path& tmp) {
  std::random_device rd;
  const std::string prefix = temporaryPrefix(name) + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 16; ++attempt) {
    tmp = folder / (prefix + std::to_string(rd() % 1000000000u));
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
  std::error_code ec;
  std::filesystem::path target = file;
  if (std::filesystem::is_symlink(target, ec)) {
    target = std::filesystem::canonical(target, ec);
    if (ec) return false;
  }
  if (target.filename().empty()) return false;

  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
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
  std::filesystem::path tmp;
  Descriptor out(openTemporary(folder, name, tmp));
  if (out.fd < 0) return false;

  bool ok = writeAll(out.fd, content);
  if (ok && exists) {
    // Keep the permissions and, where allowed, the owner of the file replaced.
    ok = ::fchmod(out.fd, st.st_mode & 07777) == 0;
    if (ok && ::fchown(out.fd, st.st_uid, st.st_gid) != 0) {
      // Not permitted for an ordinary user on another's file; the new file
      // then belongs to us, which is all we can do.
    }
  }
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

}  // namespace mirl::rt
