#pragma once
// The approximation's first, cheap look at a grid step: an estimate of the
// score from the sums of the tables (grid_mixing.h) that settles most steps
// without the ten divisions of the score itself.
#include <vector>

#include "model/model_state.h"
#include "solver/base_record.h"
#include "solver/grid_mixing.h"
#include "solver/nearness.h"
#include "solver/solver_state.h"

namespace mirl {

// Why the margin is safe. Write u = 2^-53 and gk = ku / (1 - ku). With S_f
// the sums of the five shares, w_f their weights (5e7 for nicotine, the
// viscosity factors) and T the total of parts, score and estimate both
// approximate V = (S_0 w_0 + ... + S_4 w_4) / T. The score takes each term
// through four roundings (× 100, ÷ T, × w_f, ÷ 100) and at most four more
// in its sum: |score - V| <= g8·V. The estimate takes it through one
// product, at most four additions, the rounded 1/T and the last product:
// |estimate - V| <= g7·V. No term is below 0, so nothing cancels, and
// |score - estimate| <= (g8 + g7) / (1 - g7) · estimate < 2e-15 · estimate.
// The two bounds below are rounded twice each (under 3e-16 relative). So
// the margin of 1e-9 is more than 300 000 times what all roundings can
// take away: with D the last place's distance, an estimate above the upper
// bound means a score above target + D, one below the lower bound a score
// below target - D (the lower bound is at most 0 when target - D is, and no
// estimate lies below it). The score's distance is then above D; rounded
// (a monotonic operation, D itself a double) it is not below D, and the
// insertion refuses the mixture. The range the constructor demands keeps
// every product, sum and quotient of both far from overflow and from the
// subnormal numbers (where relative bounds fail; a bound down there lies
// far below any estimate but 0), and an estimate of 0 has only terms of 0:
// the score is 0 too, which the insertion refuses as well.
class ScoreFilter {
 public:
  // For a search with up to N parts per base. With a share or a factor below
  // 0, not a number or outside 1e-100 to 1e100 (other than 0), no step is
  // ever judged farther.
  ScoreFilter(const ModelState& m, const BaseSet& bases, int N);

  // True only when the mixture with these complete sums (GridMixer::
  // complete) is certain to be no nearer to targetScore than the last place
  // of list, which is taken: its insertion would refuse it.
  bool clearlyFarther(const GridPrefix& all, const ProposalList& list, double targetScore) const {
    const double last = list[kNearPlaces - 1].score();
    if (!on_ || last == 0) return false;
    // Added in pairs, as the sums lie side by side in the registers.
    const GridShares& S = all.sum;
    const GridShares& w = weight_;
    const double sum = (S[0] * w[0] + S[1] * w[1]) + (S[2] * w[2] + S[3] * w[3]) + S[4] * w[4];
    const double estimate = sum * inverse_[static_cast<std::size_t>(all.parts)];
    // Scores strictly between targetScore - D and targetScore + D are nearer.
    const double D = Betrag_Differenz(last, targetScore);
    return estimate > (targetScore + D) * kAbove || estimate < (targetScore - D) * kBelow;
  }

 private:
  static constexpr double kAbove = 1 + 1e-9, kBelow = 1 - 1e-9;
  bool on_ = false;
  GridShares weight_{};
  std::vector<double> inverse_;  // 1/T for every total T of parts; 0 for none
};

}  // namespace mirl
