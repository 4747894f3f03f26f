#pragma once
// Reading a whole file, and replacing a file's content so that no crash
// leaves half a file, or a stray temporary file, behind.
#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace mirl::rt {

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// The bytes of a regular file (a symbolic link is followed); nothing when it
// cannot be read (missing, a folder, no permission), when it is anything but
// a regular file (a FIFO or a device is never opened for reading, so nothing
// can block or run on without end), or when it holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::filesystem::path& file,
                                         std::size_t maxBytes = kNoSizeLimit);

// Writes the bytes to a new temporary file in the target's folder, flushes it
// to the disk, renames it over the target (a symbolic link is followed to the
// file it names) and flushes the folder, so that a save that reports success
// survives a crash of the machine. The folder must exist. A target that is
// read-only (no write permission bit, or not writable for this process) or a
// folder is refused. False when anything fails; the target is unchanged then
// (unless only the last flush of the folder failed) and no temporary file is
// left. Temporary files of this target that an earlier write left behind
// (its process was killed between writing and renaming) are removed first:
// ".NAME.tmp-PID-RANDOM" whose process is gone, and any ".NAME.tmp-..." of
// ours older than ten minutes (a process id can be reused).
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content);

}  // namespace mirl::rt
