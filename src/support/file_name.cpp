#include "support/file_name.h"

#include <array>

namespace mirl {

std::string Dateiname_Bereinigen(std::string_view text) {
  // Removing them one after the other, or all in one pass over the
  // characters as here, gives the same text.
  static constexpr std::array<std::string_view, 14> kRemoved = {
      "/", "\\", "\"", ":", ";", "?", "[", "=", "*", "#", "'", "´", "`", "%"};
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    bool removed = false;
    for (std::string_view r : kRemoved) {
      if (text.substr(i, r.size()) == r) {
        i += r.size();
        removed = true;
        break;
      }
    }
    if (!removed) out += text[i++];
  }
  return out;
}

std::string proposedSaveName(std::string_view name) {
  const std::string cleaned = Dateiname_Bereinigen(name);
  const auto first = cleaned.find_first_not_of('.');
  if (first == std::string::npos) return {};
  return cleaned.substr(first, cleaned.find_last_not_of('.') - first + 1);
}

}  // namespace mirl
