#pragma once
// The approximation's measure of a mixture: its weighted viscosity score,
// and how far its composition lies from the target's. Its list of the
// mixtures nearest the target.
#include <array>
#include <cmath>

#include "model/model_state.h"
#include "solver/solver_state.h"

namespace mirl {
class App;

// Places 0 to 76 take proposals; place 77 stays empty.
inline constexpr int kNearPlaces = kProposalPlaces - 1;

// |a - b|. (a - b is exactly -(b - a), so the size of either is the same
// number, the zero of a tie +0 either way: no branch is needed.)
inline double Betrag_Differenz(double a, double b) { return std::fabs(a - b); }

// The five weighted terms of a composition: nicotine (in %) weighs
// 50 000 000, the shares their viscosity factors; each product divided by
// 100 on its own.
inline constexpr double kNicotineWeight = 50000000.0;
using ScoreTerms = std::array<double, 5>;

inline ScoreTerms scoreTerms(const ModelState& m, double N, double PG, double VG, double W, double S) {
  return {N * kNicotineWeight / 100, PG * m.Viskositaet_PG / 100, VG * m.Viskositaet_VG / 100,
          W * m.Viskositaet_Wasser / 100, S * m.Viskositaet_Sonst / 100};
}

// The weighted viscosity of a composition (the score): its five terms
// added in this order.
inline double Viskositaet_Mischung(const ScoreTerms& t) { return t[0] + t[1] + t[2] + t[3] + t[4]; }

// How far a mixture lies from the target: the differences of their five
// terms, each taken by its size, added in this order. (The difference of
// the two scores would let a share's excess make up for another's lack:
// a trace too much nicotine for half the VG missing.) Never below the
// difference of the scores.
inline double nearnessDistance(const ScoreTerms& a, const ScoreTerms& b) {
  return Betrag_Differenz(a[0], b[0]) + Betrag_Differenz(a[1], b[1]) + Betrag_Differenz(a[2], b[2]) +
         Betrag_Differenz(a[3], b[3]) + Betrag_Differenz(a[4], b[4]);
}

// The approximation's list: places 0 to 76 of a proposal list, ordered by
// their distance to the target, nearest first; a place whose score (field
// 15) is 0 is empty. The distances are kept beside the places while the
// search fills them; the list starts empty.
class NearList {
 public:
  explicit NearList(ProposalList& places) : places_(places) {}

  // Puts the candidate at the first place that is empty or farther from the
  // target than `distance`; the following entries move down one place and
  // the one at place 76 drops out. A candidate with a score of 0 or less,
  // or no nearer than all 77 entries, is not inserted. Of equally near
  // mixtures the ones inserted first stay in front. Returns whether it was
  // inserted.
  bool insert(const Vorschlag_Datensatz& candidate, double distance);

  // Whether all 77 places are taken, and the distance of the last.
  bool full() const { return places_[kNearPlaces - 1].score() != 0; }
  double lastDistance() const { return distance_[kNearPlaces - 1]; }

 private:
  ProposalList& places_;
  std::array<double, kNearPlaces> distance_{};
};

// One pass of the message loop, then the insertion.
void Naeherung_Einfuegen(App& app, const Vorschlag_Datensatz& candidate, double distance, NearList& list);

}  // namespace mirl
