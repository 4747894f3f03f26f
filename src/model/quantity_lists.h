#pragma once
// The reference-quantity lists: fourteen quantities from "1 ml" to
// "10 Liter", each with its millilitres as item data. Every price refers to
// the quantity selected in its list.
#include <array>
#include <string_view>

#include "runtime/control.h"

namespace mirl {
class App;

inline constexpr int kQuantityEntries = 14;
// The positions the program selects and the files read by default.
inline constexpr int kQuantity1ml = 0;
inline constexpr int kQuantity5ml = 1;
inline constexpr int kQuantity100ml = 6;
inline constexpr int kQuantity5Litres = 12;

// A position as the session and flavour files write it ("6" for "100 ml").
constexpr std::string_view quantityPositionText(int position) {
  constexpr std::array<std::string_view, kQuantityEntries> kTexts = {"0", "1", "2",  "3",  "4",  "5",  "6",
                                                                     "7", "8", "9", "10", "11", "12", "13"};
  return kTexts.at(static_cast<std::size_t>(position));
}

// Appends the fourteen entries (the list is not emptied first), then selects
// the entry at index, which counts from the list's first entry.
void Mengenauswahl_Liste_Fuellen(rt::ComboBox& list, int index);
// Fills the main window's lists: the six base lists and the two panel lists
// at "100 ml" (selecting raises their Click), the flavour lists at "1 ml".
void Mengenauswahl_Fuellen(App& app);

}  // namespace mirl
