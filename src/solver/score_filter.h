#pragma once
// The approximation's first, cheap look at a grid step: an estimate of the
// score's terms from the sums of the tables (grid_mixing.h), and of the
// distance to the target from them, that settles most steps without the
// ten divisions of the terms themselves.
#include <vector>

#include "model/model_state.h"
#include "solver/base_record.h"
#include "solver/grid_mixing.h"
#include "solver/nearness.h"

namespace mirl {

// Why the margin is safe. Write u = 2^-53 and gk = ku / (1 - ku). With S_f
// the sums of the five shares, w_f their weights (5e7 for nicotine, the
// viscosity factors), T the total of parts and t_f the target's terms
// (the same doubles both ways), the terms a_f of the mixture and the
// estimates e_f both approximate V_f = S_f w_f / T: a term takes four
// roundings (× 100, ÷ T, × w_f, ÷ 100), |a_f - V_f| <= g4·V_f; an estimate
// three (× w_f, the rounded 1/T, × 1/T), |e_f - V_f| <= g3·V_f. No V_f is
// below 0. The distance d of the mixture (five subtractions, four sums of
// non-negative numbers) and the estimate E of it (the same on the e_f) then
// differ by at most about 20u·(E + Σ t_f), under 3e-15·(E + 2·target score)
// (Σ V_f is at most E plus Σ t_f, up to roundings; Σ t_f is the target
// score, up to roundings). The filter demands E·(1 - 1e-9) above D plus
// 2e-9 times the target score, D the last place's distance: a margin of
// 1e-9·(E + 2·target score), more than 300 000 times what all roundings
// can take away, its own roundings included. So d is above D, and the
// insertion refuses the mixture. The range the constructor demands keeps
// every product, sum and quotient of both far from overflow and from the
// subnormal numbers (where relative bounds fail).
class ScoreFilter {
 public:
  // For a search with up to N parts per base and a target of these terms.
  // With a share, a factor or a target term below 0, not a number or
  // outside 1e-100 to 1e100 (other than 0), no step is ever judged farther.
  ScoreFilter(const ModelState& m, const BaseSet& bases, int N, const ScoreTerms& target);

  // True only when the mixture with these complete sums (GridMixer::
  // complete) is certain to be no nearer to the target than the last place
  // of list, which is taken: its insertion would refuse it.
  bool clearlyFarther(const GridPrefix& all, const NearList& list) const {
    if (!on_ || !list.full()) return false;
    const GridShares& S = all.sum;
    const GridShares& w = weight_;
    const ScoreTerms& t = target_;
    const double inverse = inverse_[static_cast<std::size_t>(all.parts)];
    // Added in pairs, as the sums lie side by side in the registers.
    const double estimate = (Betrag_Differenz(S[0] * w[0] * inverse, t[0]) +
                             Betrag_Differenz(S[1] * w[1] * inverse, t[1])) +
                            (Betrag_Differenz(S[2] * w[2] * inverse, t[2]) +
                             Betrag_Differenz(S[3] * w[3] * inverse, t[3])) +
                            Betrag_Differenz(S[4] * w[4] * inverse, t[4]);
    return estimate * kBelow > list.lastDistance() + targetMargin_;
  }

 private:
  static constexpr double kBelow = 1 - 1e-9;
  bool on_ = false;
  GridShares weight_{};
  ScoreTerms target_{};
  double targetMargin_ = 0;     // 2e-9 times the target score
  std::vector<double> inverse_;  // 1/T for every total T of parts; 0 for none
};

}  // namespace mirl
