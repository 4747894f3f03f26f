#pragma once
// The program's folder, where the session file and the folders "Kochbuch"
// and "Aromen" live. An installed program keeps them in the user's data
// folder, $XDG_DATA_HOME/Quillfen/MirlFumarix ($HOME/.local/share when
// XDG_DATA_HOME is unset), created when needed (for the user alone, mode
// 0700); it never writes beside its executable, which may be shared by
// every user. It knows it is installed by the marker file that only the
// install step puts into its layout. A program run where it was built keeps
// its files beside the executable when that folder is writable, and in the
// data folder otherwise.
#include <filesystem>

namespace mirl::rt {

// installMarker: where the install step puts its marker, relative to the
// folder of the installed executable (e.g. "../share/mirlfumarix/installed").
std::filesystem::path programFolder(const std::filesystem::path& executable,
                                    const std::filesystem::path& installMarker);

}  // namespace mirl::rt
