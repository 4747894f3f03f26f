#include "support/ini_access.h"

#include "runtime/ini_file.h"

namespace mirl {

std::string INI_Lesen(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view defaultValue) {
  return rt::ini::read(file, section, key, defaultValue);
}

void INI_Schreiben(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value) {
  writeIniKey(file, section, key, value);
}

bool writeIniKey(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view value) {
  return rt::ini::write(file, section, key, value);
}

bool writeIniKeys(const std::filesystem::path& file, std::span<const rt::ini::Entry> entries) {
  return rt::ini::write(file, entries);
}

}  // namespace mirl
