#pragma once
// The exact-hit search over whole-numbered parts of the ticked bases, run by
// the calculate button; its hits become the proposal list.
#include "solver/grid_mixing.h"

namespace mirl {
class App;

// The exact-hit search of the calculate button: tries every combination of
// whole-numbered parts of the ticked bases, keeps up to 78 whose mixture has
// exactly the target composition, and shows them sorted by price; offers the
// approximation when nothing matches. Yields to the message loop after every
// tested step, where a click on the calculate button cancels it.
void Berechnung_Treffersuche(App& app, GridMixing mixing = GridMixing::Tables);

}  // namespace mirl
