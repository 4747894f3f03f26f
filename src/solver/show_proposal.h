#pragma once
// Shows one proposal of a list in the main window; the searches and the
// paging buttons call it.
#include "solver/solver_state.h"

namespace mirl {
class App;

// Puts proposal `index` of the list into the main window: ticks the bases
// and flavours it uses (never unticks one), writes all thirteen amounts,
// writes the proposal label from Vorschlag_Index and Vorschlag_Letzter_Index
// and runs the master refresh.
void Vorschlag_Anzeigen(App& app, const ProposalList& list, int index);

}  // namespace mirl
