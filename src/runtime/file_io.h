#pragma once
// Reading a whole file, and replacing a file's content so that no crash
// leaves half a file, or a stray temporary file, behind.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace mirl::rt {

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// The bytes of a regular file (a symbolic link is followed); nothing when it
// cannot be read (missing, a folder, no permission), when it is anything but
// a regular file (a FIFO or a device is never opened for reading, so nothing
// can block or run on without end), or when it holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::filesystem::path& file,
                                         std::size_t maxBytes = kNoSizeLimit);

// Writes the bytes to a new temporary file in the target's folder, flushes it
// to the disk, renames it over the target and flushes the folder, so that a
// save that reports success survives a crash of the machine. The folder must
// exist. A target that is read-only (no write permission bit, or not
// writable for this process) or a folder is refused. False when anything
// fails; the target is unchanged then (unless only the last flush of the
// folder failed) and no temporary file is left.
//
// In a folder that others can write: a symbolic link at the target is
// followed only when the user owns it (see saveTarget); another's link is
// replaced, never written through. The temporary file is created with the
// permissions of the file it replaces (a new one with those the umask
// gives) and the replaced file's owner, where allowed, before a byte goes
// into it.
//
// Temporary files of this target that an earlier write left behind (its
// process was killed between writing and renaming) are removed first:
// ".NAME.tmp-PID-RANDOM" whose process is gone, and any ".NAME.tmp-..." of
// ours older than ten minutes (a process id can be reused).
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content);
// The same for the user given instead of this process's.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content, uid_t user);

// Where a save of the file writes for the user: links that the user owns
// are followed, one by one, to the file they name; the first link owned by
// anyone else is itself the target. Nothing for a chain of links that ends
// in nothing or loops.
std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& file, uid_t user);

// One read-modify-write of the file, one step among the program's running
// instances (under the lock of the target's folder, see FolderLock):
// `change` turns the bytes of the file that the save replaces (empty when
// there is none, or when the target is another's link, which is never read)
// into the new content, which then replaces it as above. False, with the
// file unchanged, when the file is there but cannot be read (or holds more
// than maxBytes) or the save fails.
bool updateFile(const std::filesystem::path& file, std::size_t maxBytes,
                const std::function<void(std::string& content)>& change, uid_t user);

// Removes, by the same rule, the temporary files that writes of any target
// left behind in the folder.
void removeStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace mirl::rt
