#include "runtime/user_dirs.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace mirl::rt {

std::filesystem::path userBaseFolder(const char* variable, const std::filesystem::path& fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return value;
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* pw = ::getpwuid(::getuid());
    home = pw != nullptr ? pw->pw_dir : nullptr;
  }
  return std::filesystem::path(home != nullptr ? home : ".") / fallbackBelowHome;
}

}  // namespace mirl::rt
