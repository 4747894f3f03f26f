#pragma once
// Initialisation files (sections in square brackets, lines key=value), read
// and written with the contract of the classic private-profile functions:
// - section and key names match without regard to case;
// - a value read loses the blanks around it and one pair of enclosing
//   quotation marks (single or double), and comes back cut to 1023
//   characters;
// - a missing file, section or key gives the default without its trailing
//   blanks; a key present with an empty value gives "";
// - writing replaces the value where it stands, appends a missing key at the
//   end of its section, a missing section at the end of the file, creates a
//   missing file, and leaves every other line byte for byte;
// - CR LF is written, a bare LF is accepted; a CR or LF inside a value is
//   written as a blank, and a CR inside a line reads as one; a value with blanks at an end, or enclosed in a pair
//   of quotation marks, is written in double quotes, so that it reads back
//   as written;
// - file contents are Windows-1252, the strings here UTF-8;
// - every write goes to a temporary file that is renamed over the target;
// - a file of more than 16 MiB (16,777,216 bytes) is not read: reading
//   gives the defaults, writing into it fails and leaves it as it is; a
//   write that would make a file larger than that fails too.
// A file is read and split into its sections and keys once (a Document);
// the keys are then looked up and written in memory, and the file is
// replaced once.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

#include "runtime/file_io.h"

namespace mirl::rt::ini {

// The largest file that is read.
inline constexpr std::size_t kMaxFileBytes = kMaxKeptFileBytes;
// The longest value a read returns, in characters (bytes of the code page).
inline constexpr std::size_t kMaxValue = 1023;

// The text of a file with every key line found, and the writes made since.
class Document {
 public:
  // An empty file.
  Document() = default;
  // The bytes of a file (Windows-1252).
  explicit Document(std::string bytes);

  std::string read(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  bool hasSection(std::string_view section) const;
  // Writes the key as write() below writes it into a file. False, with
  // nothing changed, for a key name that a key line cannot hold.
  bool write(std::string_view section, std::string_view key, std::string_view value);
  // The bytes of the file with every write made.
  std::string bytes() const;

 private:
  // Where a key stands: a key line of the text, or a key added since.
  struct KeyPlace {
    bool added = false;
    std::size_t index = 0;
  };
  struct KeyLine {
    std::size_t eq = 0, end = 0;  // "=" and the end of the line's text
    bool written = false;
    std::string value;            // as it goes into the file, once written
  };
  struct AddedKey {
    std::size_t section = 0;
    std::string name, value;      // as they go into the file
  };
  // A section: where keys added to it go in the text (after its last
  // non-blank line), or, for a section added since, its name.
  struct Section {
    std::size_t insertAt = 0;
    bool added = false;
    std::string name;
  };

  std::string_view valueOf(const KeyPlace& place) const;

  std::string text_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name
  std::unordered_map<std::string, KeyPlace> keyIndex_;          // folded "section\nkey"
  std::vector<KeyLine> keyLines_;
  std::vector<AddedKey> addedKeys_;
  std::vector<std::size_t> writtenLines_;  // key lines written, in any order
};

// What reading a file found.
enum class Found { Text, Missing, Unreadable, TooLarge };

struct Loaded {
  Found found = Found::Missing;
  Document document;  // empty unless found is Text
};

// The file read and split once: missing, unreadable (a folder, no
// permission, no regular file) and too large are told apart.
Loaded load(const std::filesystem::path& file);
// The same for a file that the program keeps for the user, read as a save
// of it finds it (see rt::saveTarget): a link at it that another user owns
// counts as a missing file, and what it names is never opened.
Loaded load(const std::filesystem::path& file, uid_t user);

std::string read(const std::filesystem::path& file, std::string_view section,
                 std::string_view key, std::string_view defaultValue);

// False when the file could not be written (the target is unchanged then),
// and when the key's name cannot stand in a key line: a name with "=", or
// one that starts with "[" or ";" (after its blanks), is refused.
bool write(const std::filesystem::path& file, std::string_view section, std::string_view key,
           std::string_view value);

// One key to write.
struct Entry {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

// Writes the keys in order, as that many single writes would, but reads and
// replaces the file once: either every key is written or the file is
// unchanged (false; also when one of the key names is refused).
bool write(const std::filesystem::path& file, std::span<const Entry> entries);

}  // namespace mirl::rt::ini
