#pragma once
// The direct solution: amounts in closed form for one base of each kind.
// The master refresh offers it (the button's caption), the calculate button
// takes it over.
#include "model/composition.h"
#include "solver/solver_state.h"

namespace mirl {
class App;

// The direct solution: picks a nicotine, a PG, a VG and a water base among
// the ticked bases and computes their amounts in closed form, the counted
// flavours first. With takeOver false it only offers: the calculate
// button's caption tells whether a result passes the check. With true it
// writes the amounts of a result that passes.
void Schnell_Loesung_Berechnen(App& app, bool takeOver);

// True when no amount of the block is below 0, the composition of its
// mixture equals the target and its amounts, rounded to two decimals as the
// fields show them, add up to the target total. An amount below 0 by less
// than 0.005 (shown as "0") counts as 0 and is set to 0 in the block.
bool Schnell_Loesung_Pruefen(App& app, Vorschlag_Datensatz& block);

// Composition of the mixture of the block's amounts (ticked bases, ticked
// flavours) relative to the target total: nicotine in mg/ml rounded to one
// decimal, the four shares in % rounded to two, into out (its amount is not
// touched). out keeps its values when the target total is 0.
void Mischung_Zusammensetzung_Berechnen(App& app, const Vorschlag_Datensatz& block, Composition& out);

}  // namespace mirl
