#pragma once
// The extension a save dialog adds to a name chosen without one of its own.
#include <string>
#include <string_view>

namespace mirl::rt {

// Whether a file name ends in an extension of its own: the part after its
// last "." is 1 to 10 letters or digits (ASCII) and begins with a letter
// ("Rezept.ini", "Notiz.txt", "Mix.v2"). A dot inside a name is no
// extension: "Dr. Pepper", "Erdbeer 6.5mg", "Mix 1.0", "Ende.".
bool hasOwnExtension(std::string_view fileName);

// The path with "." and the extension added when its file name (the part
// after the last "/") has no extension of its own; unchanged when the path,
// its file name or the extension is empty.
std::string withDefaultExtension(std::string path, std::string_view extension);

}  // namespace mirl::rt
