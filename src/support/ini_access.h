#pragma once
// Reading and writing one key of an initialisation file (the session file,
// the flavour files). The file format and its rules are those of
// runtime/ini_file.h.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "runtime/ini_file.h"

namespace mirl {

// The key's value (at most 1023 characters); the default, without its
// trailing blanks, when the file, the section or the key is missing; "" when
// the key is present with an empty value.
std::string INI_Lesen(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view defaultValue);

// Writes the key; a write that fails (missing folder, read-only file) is
// lost without a word.
void INI_Schreiben(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value);

// The same write, telling whether it took effect.
bool writeIniKey(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view value);

// Several keys written in order as one change of the file: all of them, or
// none and the file as it was (false).
bool writeIniKeys(const std::filesystem::path& file, std::span<const rt::ini::Entry> entries);

}  // namespace mirl
