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
// - every write goes to a temporary file that is renamed over the target.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace mirl::rt::ini {

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

// Writes the keys in order, as that many single writes would, but replaces
// the file once: either every key is written or the file is unchanged
// (false; also when one of the key names is refused).
bool write(const std::filesystem::path& file, std::span<const Entry> entries);

}  // namespace mirl::rt::ini
