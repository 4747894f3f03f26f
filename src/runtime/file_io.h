#pragma once
// Reading a whole file, and replacing a file's content so that no crash
// leaves half a file behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirl::rt {

// The file's bytes; nothing when it cannot be read (missing, a folder, no
// permission).
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Writes the bytes to a new temporary file in the target's folder and renames
// it over the target (a symbolic link is followed to the file it names). The
// folder must exist. A target that is read-only (no write permission bit, or
// not writable for this process) or a folder is refused. False when anything
// fails; the target is unchanged then and no temporary file is left.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content);

}  // namespace mirl::rt
