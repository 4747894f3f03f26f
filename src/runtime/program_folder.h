#pragma once
// The program's folder, where the session file and the folders "Kochbuch"
// and "Aromen" live: the folder of the executable when it is writable,
// otherwise $XDG_DATA_HOME/Quillfen/MirlFumarix ($HOME/.local/share when
// XDG_DATA_HOME is unset), created when needed.
#include <filesystem>

namespace mirl::rt {

std::filesystem::path programFolder(const std::filesystem::path& executable);

}  // namespace mirl::rt
