#pragma once
// How the grid searches mix the bases at each step.
//
// Mischung_Berechnen adds, share by share, the six terms parts × share ÷ 100
// left to right and divides the sum × 100 by the total of parts. In a grid
// search the parts are whole numbers from 0 to N, so every term a search can
// meet is computed once, in a table. The sum of the terms of the slots whose
// loops enclose a loop is the same for every step of that loop: it is carried
// down the loops as a prefix, and a step adds the terms of its own slot and
// of the deeper slots to it, in the same order as before. The total of parts
// is a sum of whole numbers, exact in any order. So every share comes out bit
// for bit as Mischung_Berechnen computes it, at a fraction of the work.
#include <array>
#include <cstddef>
#include <tuple>
#include <vector>

#include "solver/base_record.h"

namespace mirl {

// Tables: the program's way, described above. Straightforward:
// Mischung_Berechnen on the six records at every step, the reference the
// tables are checked against.
enum class GridMixing { Tables, Straightforward };

inline constexpr int kGridSlots = static_cast<int>(std::tuple_size_v<BaseSet>);
// N, PG, VG, water and other, in the order the hit test compares them.
inline constexpr int kGridShares = 5;
using GridShares = std::array<double, kGridShares>;
// The current parts of the six slots.
using GridParts = std::array<int, kGridSlots>;

// The five shares of a record, in the hit test's order.
GridShares gridShares(const Basis_Datensatz& rec);

// The terms of the slots whose loops enclose the current one, added left to
// right, and their whole-numbered total of parts. -0.0 stands for the sum of
// no term, since -0.0 + x is x for every x, +0.0 included.
struct GridPrefix {
  GridShares sum{-0.0, -0.0, -0.0, -0.0, -0.0};
  int parts = 0;
};

class GridMixer {
 public:
  // The terms of the six bases for 0 to N parts each.
  GridMixer(const BaseSet& bases, int N);

  // The prefix of the loop inside slot's: before with slot's term added.
  GridPrefix extend(const GridPrefix& before, int slot, int parts) const {
    GridPrefix p;
    const double* t = terms(slot, parts);
    for (int f = 0; f < kGridShares; ++f) p.sum[f] = before.sum[f] + t[f];
    p.parts = before.parts + parts;
    return p;
  }

  // Whether the mixture of parts meets the target's five shares exactly, as
  // Mischung_Ist_Treffer(Mischung_Berechnen(...)) decides it. before sums
  // the slots ahead of `from`; the shares are compared one by one in the hit
  // test's order up to the first that differs.
  bool isHit(const GridPrefix& before, int from, const GridParts& parts, const GridShares& target) const {
    const int t = total(before, from, parts);
    for (int f = 0; f < kGridShares; ++f) {
      double sum = before.sum[f];
      for (int s = from; s < kGridSlots; ++s) sum = sum + terms(s, parts[s])[f];
      // No parts at all: the mixture is all zero.
      const double mixed = t == 0 ? 0.0 : sum * 100 / t;
      if (!(mixed == target[f])) return false;
    }
    return true;
  }

  // The innermost loop's shortcut for isHit: with no parts in the slots
  // after `slot`, whether the nicotine share alone meets the target's, from
  // the one-slot table of nicotine terms. isHit would add the zero terms of
  // those slots too, which can change only the sign of a zero sum, and ==
  // does not see that sign; it compares nicotine first and stops there when
  // it differs. So where nicotineOnlyAfter(slot) holds, isHit can be false
  // only when this is, and the full test is left for the steps this passes.
  bool nicotineMeets(const GridPrefix& before, int slot, int parts, double target) const {
    const int t = before.parts + parts;
    if (t == 0) return 0.0 == target;
    const double sum = before.sum[0] + nicotine_[static_cast<std::size_t>(slot * stride_ + parts)];
    return sum * 100 / t == target;
  }
  // Whether the nicotine terms of the slots after `slot` at 0 parts are
  // zeros (not so only for a share that is no finite number).
  bool nicotineOnlyAfter(int slot) const {
    for (int s = slot + 1; s < kGridSlots; ++s) {
      if (!(terms(s, 0)[0] == 0)) return false;
    }
    return true;
  }

  // The sums of all six slots' terms for parts and their total: before
  // with the terms of the slots from `from` on added.
  GridPrefix complete(const GridPrefix& before, int from, const GridParts& parts) const {
    GridPrefix all = before;
    for (int s = from; s < kGridSlots; ++s) {
      const double* term = terms(s, parts[s]);
      for (int f = 0; f < kGridShares; ++f) all.sum[f] = all.sum[f] + term[f];
      all.parts += parts[s];
    }
    return all;
  }

  // The five shares of a mixture from its complete sums, as
  // Mischung_Berechnen gives them. Share by share the same operations;
  // written across the shares so that the compiler can do several at once.
  static GridShares shares(const GridPrefix& all) {
    GridShares out{};
    if (all.parts == 0) return out;
    const double T = all.parts;
    for (int f = 0; f < kGridShares; ++f) out[f] = all.sum[f] * 100 / T;
    return out;
  }

 private:
  static int total(const GridPrefix& before, int from, const GridParts& parts) {
    int t = before.parts;
    for (int s = from; s < kGridSlots; ++s) t += parts[s];
    return t;
  }
  // The five terms of a slot at a number of parts, side by side.
  const double* terms(int slot, int parts) const {
    return &terms_[static_cast<std::size_t>((slot * stride_ + parts) * kGridShares)];
  }

  int stride_;
  std::vector<double> terms_;
  // The nicotine terms alone, slot by slot.
  std::vector<double> nicotine_;
};

}  // namespace mirl
