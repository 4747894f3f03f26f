#include "runtime/program_folder.h"

#include <unistd.h>

#include "runtime/file_io.h"
#include "runtime/user_dirs.h"

namespace mirl::rt {

std::filesystem::path programFolder(const std::filesystem::path& executable,
                                    const std::filesystem::path& installMarker) {
  std::error_code ec;
  if (!executable.empty()) {
    const std::filesystem::path folder = std::filesystem::absolute(executable, ec).parent_path();
    const bool installed = std::filesystem::exists(folder / installMarker, ec);
    if (!installed && !folder.empty() && std::filesystem::is_directory(folder, ec) &&
        ::access(folder.c_str(), W_OK) == 0) {
      return folder;
    }
  }

  const std::filesystem::path base = userBaseFolder("XDG_DATA_HOME", std::filesystem::path(".local") / "share");
  const std::filesystem::path folder = base / "Quillfen" / "MirlFumarix";
  makePrivateFolders(folder);
  return folder;
}

}  // namespace mirl::rt
