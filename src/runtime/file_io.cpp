#include "runtime/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mirl::rt {
namespace {

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

// Opens a fresh temporary file beside the target; -1 when none can be made.
int openTemporary(const std::filesystem::path& folder, const std::string& name,
                  std::filesystem::path& tmp) {
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    tmp = folder / ("." + name + ".tmp-" + std::to_string(rd() % 1000000000u));
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string text;
  char buffer[16384];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
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
  std::filesystem::path tmp;
  const int fd = openTemporary(folder, target.filename().string(), tmp);
  if (fd < 0) return false;

  bool ok = writeAll(fd, content);
  if (ok && exists) {
    // Keep the permissions and, where allowed, the owner of the file replaced.
    ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    if (ok && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // Not permitted for an ordinary user on another's file; the new file
      // then belongs to us, which is all we can do.
    }
  }
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace mirl::rt
