#pragma once
// Small text helpers of the form runtime.
#include <string_view>

namespace mirl::rt {

// ASCII digits and letters, whatever the process locale says.
inline constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline constexpr bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The text without the spaces before and after it (the runtime's Trim).
inline std::string_view trimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace mirl::rt
