#pragma once
// The approximation's first, cheap look at a grid step: estimates of the
// score and of the distance to the target from the sums of the tables
// (grid_mixing.h), which settle most steps without the ten divisions of
// the score's terms.
#include <cmath>
#include <vector>

#include "model/model_state.h"
#include "solver/base_record.h"
#include "solver/grid_mixing.h"
#include "solver/nearness.h"

namespace mirl {

// Why the margins are safe. Write u = 2^-53 and gk = ku / (1 - ku). With
// S_f the sums of the five shares, w_f their weights (5e7 for nicotine, the
// viscosity factors), T the total of parts and t_f the target's terms (the
// same doubles both ways), the mixture's terms a_f and their estimates e_f
// both approximate V_f = S_f w_f / T, which is not below 0: a term takes
// four roundings (× 100, ÷ T, × w_f, ÷ 100), |a_f - V_f| <= g4·V_f; an
// estimate three (× w_f, the rounded 1/T, × 1/T), |e_f - V_f| <= g3·V_f.
// The distance d that the insertion compares (five subtractions, four sums
// of numbers not below 0) is at least Σ|a_f - t_f|·(1 - g5), and that is
// at least |Σ a_f - Σ t_f|. Up to roundings of at most about 20u·(E +
// target score), E the estimated score, d is therefore at least the
// estimated distance Σ|e_f - t_f| and at least |E - target score|. The
// filter demands of the estimated score a gap to the target score of D,
// the last place's distance, plus 1e-9·(target score + D), and of the
// estimated distance a lead over D of 1e-9·D plus 2e-9·target score:
// margins more than 300 000 times what all roundings can take away, their
// own included. So d is above D, and the insertion refuses the mixture.
// The range the constructor demands keeps every product, sum and quotient
// far from overflow and from the subnormal numbers (where relative bounds
// fail).
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
    const double p0 = S[0] * w[0], p1 = S[1] * w[1], p2 = S[2] * w[2], p3 = S[3] * w[3], p4 = S[4] * w[4];
    const double inverse = inverse_[static_cast<std::size_t>(all.parts)];
    const double D = list.lastDistance();
    // First the score, which settles most steps: the distance is never
    // below the difference of the scores. (Added in pairs, as the sums lie
    // side by side in the registers.)
    const double score = ((p0 + p1) + (p2 + p3) + p4) * inverse;
    const double margin = (targetScore_ + D) * 1e-9;
    if (score > targetScore_ + D + margin || score < targetScore_ - D - margin) return true;
    // Then term by term.
    const ScoreTerms& t = target_;
    const double estimate = (std::fabs(p0 * inverse - t[0]) + std::fabs(p1 * inverse - t[1])) +
                            (std::fabs(p2 * inverse - t[2]) + std::fabs(p3 * inverse - t[3])) +
                            std::fabs(p4 * inverse - t[4]);
    return estimate > (D + 2e-9 * targetScore_) * (1 + 1e-9);
  }

 private:
  bool on_ = false;
  GridShares weight_{};
  ScoreTerms target_{};
  double targetScore_ = 0;
  std::vector<double> inverse_;  // 1/T for every total T of parts; 0 for none
};

}  // namespace mirl
