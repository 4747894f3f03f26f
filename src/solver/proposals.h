#pragma once
// Operations on the proposal lists: clearing, reading and copying single
// records, and taking the hits of the exact-hit search over into the list
// the user pages through, sorted by price with repeated prices removed.
#include "solver/solver_state.h"

namespace mirl {
class App;

// Every field of every place 0.
void Vorschlaege_Loeschen(ProposalList& list);
// Both indexes 0, then the shown list and the hit list cleared (the start of
// every search and of the factory reset).
void resetProposals(SolverState& st);
// Copies place index into rec; an index outside 0..77 copies nothing.
void Vorschlag_Lesen(const ProposalList& list, int index, Vorschlag_Datensatz& rec);
// Copies one place into another; nothing when either index is outside 0..77.
void Vorschlag_Kopieren(const ProposalList& from, int fromIndex, ProposalList& to, int toIndex);

// Sorts places 0..filled-1 by price (field 7), ascending and stable, keeps
// the first record of every distinct price (0 included) at the front and
// clears every other place. Prices within 1e-9 of the larger one's size are
// one price: the same mixture priced along different paths of the search
// differs in the last places. Returns the number kept. Places at or beyond
// `filled` are never taken for records, whatever their price.
int sortProposalRange(ProposalList& list, int filled);

// The sort of the shown list: the filled places are 0 to
// Vorschlag_Letzter_Index; afterwards Vorschlag_Letzter_Index is the number
// kept minus 1.
void Vorschlaege_Sortieren(App& app, ProposalList& list);

// Copies places 0 to Vorschlag_Letzter_Index of hits into shown, then sorts
// shown.
void Vorschlaege_Uebernehmen(App& app, const ProposalList& hits, ProposalList& shown);

// The whole number of a list index held as a double (the indexes are
// whole-numbered), as the 16-bit conversion rounds it.
int listIndex(double index);

}  // namespace mirl
