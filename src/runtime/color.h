#pragma once
// Colours as the form runtime stores them: 0x00BBGGRR for a real colour, or
// 0x800000nn for the system colour with index nn.
#include <cstdint>

namespace mirl::rt {

using Color = std::uint32_t;

inline constexpr Color rgb(unsigned r, unsigned g, unsigned b) {
  return static_cast<Color>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

inline constexpr bool isSystemColor(Color c) { return (c & 0xFF000000u) == 0x80000000u; }
inline constexpr unsigned systemColorIndex(Color c) { return c & 0xFFu; }

namespace sys {
inline constexpr Color ButtonFace = 0x8000000F;    // label and form background
inline constexpr Color ButtonText = 0x80000012;    // label text
inline constexpr Color Window = 0x80000005;        // text-box background
inline constexpr Color WindowText = 0x80000008;    // text-box text
inline constexpr Color GrayText = 0x80000011;
}  // namespace sys

inline constexpr Color Red = rgb(255, 0, 0);
inline constexpr Color Green = rgb(0, 255, 0);
inline constexpr Color Cyan = rgb(0, 255, 255);
inline constexpr Color Yellow = rgb(255, 255, 0);

}  // namespace mirl::rt
