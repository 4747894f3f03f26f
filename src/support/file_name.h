#pragma once
// Turning a free text (a recipe's, flavour's or flavour list's name) into a
// file name to propose in the save dialog.
#include <string>
#include <string_view>

namespace mirl {

// The text without any of / \ " : ; ? [ = * # ' ´ ` %; nothing else changes.
std::string Dateiname_Bereinigen(std::string_view text);

}  // namespace mirl
