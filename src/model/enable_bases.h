#pragma once
// Enable rules of the six base groups: a ticked base has its fields, labels
// and price list enabled; its amount field (with its two labels) is an input
// only in live analysis. The tick box itself is never disabled.
namespace mirl {
class App;

// slot: 0 to 5, in slot order (BaseSlotId).
void Basis_Freigabe_Pruefen(App& app, int slot);

}  // namespace mirl
