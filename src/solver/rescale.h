#pragma once
// Turns the proposals found in parts into millilitres of the target amount;
// both searches run it before they show their first proposal.
#include "solver/solver_state.h"

namespace mirl {
class App;

// Turns places 0 to Vorschlag_Letzter_Index from parts into millilitres of
// the target amount. With the flavour-share box ticked and flavours in use
// the bases fill what the flavours leave free and every ticked flavour gets
// its percentage of the target amount; otherwise the bases fill the target
// amount and the flavour amounts are cleared.
void Vorschlaege_Auf_Menge_Umrechnen(App& app, ProposalList& list);

}  // namespace mirl
