#pragma once
// The single-byte code page of the files the program shares with earlier
// versions: Windows-1252. Program strings are UTF-8.
#include <string>
#include <string_view>

namespace mirl::rt::cp1252 {

// UTF-8 to Windows-1252; a character the code page lacks becomes "?"
// (invalid UTF-8 bytes too).
std::string fromUtf8(std::string_view utf8);
// Windows-1252 to UTF-8; the five bytes the code page leaves undefined map
// to the C1 control characters of the same number.
std::string toUtf8(std::string_view bytes);

}  // namespace mirl::rt::cp1252
