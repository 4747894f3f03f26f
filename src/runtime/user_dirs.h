#pragma once
// The per-user base folders of the XDG conventions.
#include <filesystem>

namespace mirl::rt {

// $<variable> when it holds an absolute path, otherwise $HOME (or the
// user's home from the password database) followed by fallbackBelowHome.
std::filesystem::path userBaseFolder(const char* variable, const std::filesystem::path& fallbackBelowHome);

}  // namespace mirl::rt
