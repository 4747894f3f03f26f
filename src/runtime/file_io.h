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
#include <unistd.h>

namespace mirl::rt {

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();
// The largest file of the program's own (session, flavour and settings
// files) that is read, and so the largest that is written: 16 MiB.
inline constexpr std::size_t kMaxKeptFileBytes = 16 * 1024 * 1024;

// What reading a file found, and its bytes when it was read.
struct FileRead {
  enum Result {
    Read,
    Missing,     // nothing there (also a link to nothing)
    NoFile,      // anything but a regular file, or what cannot be looked at
    Unreadable,  // a regular file that cannot be read
    TooLarge,    // more than the bytes allowed
  };
  Result result = Missing;
  std::string bytes;
};

// The bytes of a regular file, every link followed. A FIFO or a device is
// never opened for reading, so nothing can block or run on without end.
FileRead readFile(const std::filesystem::path& file, std::size_t maxBytes = kNoSizeLimit);

// The same for the file that a save of `file` replaces for the user (see
// saveTarget): a link there that another user owns counts as no file
// (Missing), and what it names is never opened; a chain of the user's links
// that ends in nothing or loops is NoFile.
FileRead readSaveTarget(const std::filesystem::path& file, std::size_t maxBytes, uid_t user);

// Called with the temporary file of a save right after it is made, before
// anything else is done to it.
using TemporaryMade = std::function<void(const std::filesystem::path& temporary, int fd)>;

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
// The temporary files of this target that earlier writes left behind are
// removed first, by the rule of removeStaleTemporaryFiles.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content, uid_t user = ::geteuid(),
                           const TemporaryMade& made = {});

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
// than maxBytes), when the new content would hold more than maxBytes (the
// next read would refuse it) or when the save fails.
bool updateFile(const std::filesystem::path& file, std::size_t maxBytes,
                const std::function<void(std::string& content)>& change, uid_t user);

// Removes the temporary files ".NAME.tmp-PID-RANDOM" (and the older form
// ".NAME.tmp-RANDOM") that killed writes left in the folder: only regular
// files of the user, older than a minute (a younger one may still be
// written, by an instance whose process id means nothing here), whose
// process is gone. The folder is
// reached as a save reaches its target: a link at it that another user owns
// is not entered.
void removeStaleTemporaryFiles(const std::filesystem::path& folder, uid_t user = ::geteuid());

// Makes the folder and each missing folder above it, with access for the
// user alone (mode 0700); folders already there stay as they are. True when
// the folder is there.
bool makePrivateFolders(const std::filesystem::path& folder);

// Keeps a file that did not read cleanly beside it, under the first free
// name among "NAME.damaged", "NAME.damaged-2", "NAME.damaged-3", ...
// (nothing there is ever replaced): moveAside moves the file itself there,
// copyAside writes its bytes there (readable by the user alone). The name
// it is kept under; nothing when it could not be kept.
std::optional<std::filesystem::path> moveAside(const std::filesystem::path& file);
std::optional<std::filesystem::path> copyAside(const std::filesystem::path& file, std::string_view bytes);

}  // namespace mirl::rt
