#include "runtime/file_io.h"

#include "runtime/file_lock.h"
#include "runtime/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mirl::rt {
namespace {

// A temporary file younger than this may still be written, also by an
// instance whose process id means nothing here (another PID namespace).
constexpr std::time_t kInUseSeconds = 60;
// How many names "NAME.damaged", "NAME.damaged-2", ... are tried.
constexpr int kAsideNames = 1000;

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

bool allDigits(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), isDigit); }

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
// of ours: of the target whose temporaryPrefix is `prefix`, or of any
// target when `prefix` is empty.
std::optional<std::string_view> temporaryRest(std::string_view entry, const std::string& prefix) {
  std::string_view rest;
  if (!prefix.empty()) {
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

// Opens the folder for the user as a save reaches a target (see
// saveTarget): another's link at it is not entered; -1 when it cannot be
// opened.
int openFolder(const std::filesystem::path& folder, uid_t user) {
  const std::optional<std::filesystem::path> target = saveTarget(folder.empty() ? "." : folder, user);
  if (!target) return -1;
  return ::open(target->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Removes the temporary files of the target `name` (of every target when it
// is empty) that earlier writes left behind in the folder: the user's own
// regular files that no write can still be filling. Anything else is left
// alone.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& name, uid_t user) {
  const int fd = openFolder(folder, user);
  if (fd < 0) return;
  DIR* dir = ::fdopendir(fd);
  if (dir == nullptr) {
    ::close(fd);
    return;
  }
  const std::time_t now = std::time(nullptr);
  const std::string prefix = name.empty() ? std::string() : temporaryPrefix(name);
  while (const dirent* e = ::readdir(dir)) {
    const std::optional<std::string_view> rest = temporaryRest(e->d_name, prefix);
    if (!rest) continue;
    struct stat st {};
    if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) || st.st_uid != user) continue;
    const std::time_t age = now - st.st_mtime;
    if (age <= kInUseSeconds) continue;
    const bool olderForm = allDigits(*rest);  // names no process
    if (olderForm || processGone(*rest)) ::unlinkat(fd, e->d_name, 0);
  }
  ::closedir(dir);  // closes fd
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

// Reads the file; with `follow` false a link at it counts as no file and
// is never followed, not even when one is put there between the look and
// the opening.
FileRead readAt(const std::filesystem::path& file, std::size_t maxBytes, bool follow) {
  // Only a regular file is opened at all; opening without blocking and
  // checking again guards against a FIFO put there in between.
  struct stat st {};
  if ((follow ? ::stat(file.c_str(), &st) : ::lstat(file.c_str(), &st)) != 0) {
    return {errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::NoFile, {}};
  }
  if (S_ISLNK(st.st_mode)) return {FileRead::Missing, {}};
  if (!S_ISREG(st.st_mode)) return {FileRead::NoFile, {}};
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return {FileRead::TooLarge, {}};
  const int noLink = follow ? 0 : O_NOFOLLOW;
  Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noLink));
  if (in.fd < 0) return {!follow && errno == ELOOP ? FileRead::Missing : FileRead::Unreadable, {}};
  if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) return {FileRead::NoFile, {}};
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return {FileRead::TooLarge, {}};

  FileRead read{FileRead::Read, {}};
  std::string& text = read.bytes;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return {FileRead::Unreadable, {}};
    }
    if (n == 0) break;
    if (static_cast<size_t>(n) > maxBytes - text.size()) return {FileRead::TooLarge, {}};  // it grew meanwhile
    text.append(buffer, static_cast<size_t>(n));
  }
  return read;
}

// Puts something at the first free name beside the file: `put` makes it
// at the name given, failing with EEXIST when the name is taken.
template <typename Put>
std::optional<std::filesystem::path> putAside(const std::filesystem::path& file, const Put& put) {
  for (int n = 1; n <= kAsideNames; ++n) {
    std::filesystem::path aside = file;
    aside += n == 1 ? std::string(".damaged") : ".damaged-" + std::to_string(n);
    if (put(aside)) return aside;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

FileRead readFile(const std::filesystem::path& file, std::size_t maxBytes) { return readAt(file, maxBytes, true); }

FileRead readSaveTarget(const std::filesystem::path& file, std::size_t maxBytes, uid_t user) {
  const std::optional<std::filesystem::path> target = saveTarget(file, user);
  if (!target) return {FileRead::NoFile, {}};
  return readAt(*target, maxBytes, false);
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

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content, uid_t user,
                           const TemporaryMade& made) {
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
  removeStaleTemporaries(folder, name, user);
  // The new file never allows more than the one it replaces, not even while
  // it is being filled.
  std::filesystem::path tmp;
  Descriptor out(openTemporary(folder, name, exists ? (st.st_mode & 0777) : 0666, tmp));
  if (out.fd < 0) return false;
  if (made) made(tmp, out.fd);

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
  const FolderLock lock(target->parent_path(), FolderLock::kWait, user);
  FileRead old = readAt(*target, maxBytes, false);
  if (old.result != FileRead::Read && old.result != FileRead::Missing) return false;  // its content could not be kept
  change(old.bytes);
  if (old.bytes.size() > maxBytes) return false;
  return replaceFileAtomically(*target, old.bytes, user);
}

void removeStaleTemporaryFiles(const std::filesystem::path& folder, uid_t user) {
  removeStaleTemporaries(folder, "", user);
}

bool makePrivateFolders(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return true;
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    made /= part;
    ::mkdir(made.c_str(), 0700);  // one that is there fails and stays as it is
  }
  return std::filesystem::is_directory(folder, ec);
}

std::optional<std::filesystem::path> moveAside(const std::filesystem::path& file) {
  return putAside(file, [&](const std::filesystem::path& aside) {
    if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system that cannot refuse to replace: the name is looked at first.
    struct stat st {};
    if (::lstat(aside.c_str(), &st) == 0) {
      errno = EEXIST;
      return false;
    }
    return errno == ENOENT && ::rename(file.c_str(), aside.c_str()) == 0;
  });
}

std::optional<std::filesystem::path> copyAside(const std::filesystem::path& file, std::string_view bytes) {
  return putAside(file, [&](const std::filesystem::path& aside) {
    Descriptor out(::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.fd < 0) return false;
    if (writeAll(out.fd, bytes) && ::fsync(out.fd) == 0 && out.close()) return true;
    ::unlink(aside.c_str());
    errno = EIO;  // not a name taken: no other name is tried
    return false;
  });
}

}  // namespace mirl::rt
