#pragma once
// Turning a free text (a recipe's, flavour's or flavour list's name) into a
// file name to propose in the save dialog.
#include <string>
#include <string_view>

namespace mirl {

// The text without any of / \ " : ; ? [ = * # ' ´ ` %; nothing else changes.
std::string Dateiname_Bereinigen(std::string_view text);

// The name the save dialogs propose for a recipe or a flavour set: cleaned as
// above and without full stops at either end (a name starting with one would
// be a hidden file; the set name "......." of a reset proposes nothing).
std::string proposedSaveName(std::string_view name);

}  // namespace mirl
