#pragma once
// What the file fuzz targets share: a fresh folder for one run, removed at its
// end, in memory where the system has a memory file system (every save
// flushes to the disk, which would slow the runs down a hundredfold), and
// small file helpers.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "runtime/file_lock.h"

namespace mirl::fuzz {

inline void check(bool ok) {
  if (!ok) std::abort();
}

class Scratch {
 public:
  Scratch() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
    std::string templ = (base / "mirl-fuzz-XXXXXX").string();
    check(::mkdtemp(templ.data()) != nullptr);
    path = templ;
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  // What is in the folder but the lock file that saves leave.
  size_t entries() const {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(path)) {
      if (e.path().filename() != mirl::rt::FolderLock::kFileName) ++n;
    }
    return n;
  }

  std::filesystem::path path;
};

inline std::string slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void spill(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace mirl::fuzz
