#pragma once
// Character positions in UTF-8 texts (selections count characters).
#include <string>
#include <string_view>

namespace mirl::rt::utf8 {

// Number of code points.
inline int length(std::string_view s) {
  int n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) ++n;
  }
  return n;
}

// Byte offset of the code point with the given index (clamped to the end).
inline size_t offset(std::string_view s, int index) {
  int n = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == index) return i;
      ++n;
    }
  }
  return s.size();
}

}  // namespace mirl::rt::utf8
