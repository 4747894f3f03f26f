#pragma once
// The approximation search, offered when the exact-hit search finds
// nothing: the mixtures nearest the target by viscosity score. Run by the
// calculate button.
#include "solver/grid_mixing.h"

namespace mirl {
class App;

// The approximation search: runs over the grid of parts of the ticked
// bases and keeps the 77 mixtures whose weighted viscosity score lies
// nearest the target's, then rescales and shows the first; the places
// filled are the proposals (fewer than 77 when cancelled early). Returns true
// when it has ended (run through or cancelled); false only when it refused
// to start because the flavours to be counted inside the target exceed 99 %.
bool Annaeherung_Suche_V1(App& app, GridMixing mixing = GridMixing::Tables);

}  // namespace mirl
