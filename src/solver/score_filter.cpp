#include "solver/score_filter.h"

#include <cmath>
#include <cstddef>

namespace mirl {

namespace {
// 0, or a finite number from 1e-100 to 1e100.
bool inRange(double v) { return v == 0 || (v >= 1e-100 && v <= 1e100); }
}  // namespace

ScoreFilter::ScoreFilter(const ModelState& m, const BaseSet& bases, int N, const ScoreTerms& target)
    : weight_{kNicotineWeight, m.Viskositaet_PG, m.Viskositaet_VG, m.Viskositaet_Wasser, m.Viskositaet_Sonst},
      target_(target),
      targetScore_(Viskositaet_Mischung(target)),
      inverse_(static_cast<std::size_t>(kGridSlots * N + 1)) {
  on_ = true;
  for (double w : weight_) on_ = on_ && inRange(w);
  for (double t : target_) on_ = on_ && inRange(t);
  for (const Basis_Datensatz& b : bases) {
    for (double share : gridShares(b)) on_ = on_ && inRange(share);
  }
  for (std::size_t t = 1; t < inverse_.size(); ++t) inverse_[t] = 1.0 / static_cast<double>(t);
}

}  // namespace mirl
