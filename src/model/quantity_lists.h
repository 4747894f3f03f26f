#pragma once
// The reference-quantity lists: fourteen quantities from "1 ml" to
// "10 Liter", each with its millilitres as item data. Every price refers to
// the quantity selected in its list.
#include "runtime/control.h"

namespace mirl {
class App;

inline constexpr int kQuantityEntries = 14;
inline constexpr int kQuantity100ml = 6;  // index of "100 ml"
inline constexpr int kQuantity1ml = 0;    // index of "1 ml"

// Appends the fourteen entries (the list is not emptied first), then selects
// the entry at index, which counts from the list's first entry.
void Mengenauswahl_Liste_Fuellen(rt::ComboBox& list, int index);
// Fills the main window's lists: the six base lists and the two panel lists
// at "100 ml" (selecting raises their Click), the flavour lists at "1 ml".
void Mengenauswahl_Fuellen(App& app);

}  // namespace mirl
