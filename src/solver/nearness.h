#pragma once
// The approximation's score of a composition and its list of the mixtures
// nearest the target's score.
#include "model/model_state.h"
#include "solver/solver_state.h"

namespace mirl {
class App;

// Places 0 to 76 take proposals; place 77 stays empty.
inline constexpr int kNearPlaces = kProposalPlaces - 1;

// |a - b|.
inline double Betrag_Differenz(double a, double b) { return a > b ? a - b : b - a; }

// Weighted viscosity: nicotine (in %) weighs 50 000 000, the shares their
// viscosity factors; each product divided by 100 on its own, the five terms
// added in this order.
inline constexpr double kNicotineWeight = 50000000.0;

inline double Viskositaet_Mischung(const ModelState& m, double N, double PG, double VG, double W, double S) {
  return N * kNicotineWeight / 100 + PG * m.Viskositaet_PG / 100 + VG * m.Viskositaet_VG / 100 +
         W * m.Viskositaet_Wasser / 100 + S * m.Viskositaet_Sonst / 100;
}

// Puts the candidate (score in field 15) at the first place that is empty
// (score 0) or farther from the target score than the candidate; the
// following entries move down one place and the one at place 76 drops out.
// A candidate with a score of 0 or less, or no nearer than all 77 entries,
// is not inserted. Of equally near mixtures the ones inserted first stay in
// front. Returns whether it was inserted.
bool insertByNearness(const Vorschlag_Datensatz& candidate, ProposalList& list, double targetScore);

// One pass of the message loop, then the insertion.
void Naeherung_Einfuegen(App& app, const Vorschlag_Datensatz& candidate, ProposalList& list, double targetScore);

}  // namespace mirl
