#include "solver/grid_mixing.h"

namespace mirl {

GridShares gridShares(const Basis_Datensatz& rec) {
  return {rec.N_Prozent, rec.PG_Prozent, rec.VG_Prozent, rec.Wasser_Prozent, rec.Sonst_Prozent};
}

GridMixer::GridMixer(const BaseSet& bases, int N)
    : stride_(N + 1),
      terms_(static_cast<std::size_t>(kGridSlots * stride_ * kGridShares)),
      nicotine_(static_cast<std::size_t>(kGridSlots * stride_)) {
  for (int s = 0; s < kGridSlots; ++s) {
    const GridShares share = gridShares(bases[static_cast<std::size_t>(s)]);
    for (int i = 0; i <= N; ++i) {
      double* t = &terms_[static_cast<std::size_t>((s * stride_ + i) * kGridShares)];
      // The parts as the record holds them (a double), times the share, ÷ 100.
      for (int f = 0; f < kGridShares; ++f) t[f] = static_cast<double>(i) * share[f] / 100;
      nicotine_[static_cast<std::size_t>(s * stride_ + i)] = t[0];
    }
  }
}

}  // namespace mirl
