#pragma once
// The approximation search, offered when the exact-hit search finds
// nothing: the mixtures nearest the target, term by term of the weighted
// viscosity score. Run by the calculate button.
#include "solver/grid_mixing.h"

namespace mirl {
class App;

// The approximation search: runs over the grid of parts of the ticked
// bases and keeps the 77 mixtures nearest the target the exact-hit search
// looks for (nearnessDistance), then rescales and shows the first; the
// places filled are the proposals (fewer than 77 when cancelled early).
// Returns true when it has ended (run through or cancelled); false only
// when it refused to start because the flavour share could not be taken
// out of the target (then it ends as the exact-hit search does).
bool Annaeherung_Suche_V1(App& app, GridMixing mixing = GridMixing::Tables);

}  // namespace mirl
