#include "runtime/program_folder.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace mirl::rt {

std::filesystem::path programFolder(const std::filesystem::path& executable) {
  std::error_code ec;
  if (!executable.empty()) {
    const std::filesystem::path folder = std::filesystem::absolute(executable, ec).parent_path();
    if (!ec && !folder.empty() && std::filesystem::is_directory(folder, ec) &&
        ::access(folder.c_str(), W_OK) == 0) {
      return folder;
    }
  }

  std::filesystem::path base;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
      const passwd* pw = ::getpwuid(::getuid());
      home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    base = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share";
  }
  const std::filesystem::path folder = base / "Quillfen" / "MirlFumarix";
  std::filesystem::create_directories(folder, ec);
  return folder;
}

}  // namespace mirl::rt
