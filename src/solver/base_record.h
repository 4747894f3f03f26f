#pragma once
// The record that describes a base, a mixture or the target alike, and the
// two operations of the searches on it: mixing six bases by their amounts
// and the exact hit test. The searches compare the results for exact
// equality, so the order of operations below is fixed.
#include <array>

namespace mirl {

struct Basis_Datensatz {
  double Menge = 0;           // parts of a base; sum of parts of a mixture
  double N_Prozent = 0;       // nicotine in %, mg/ml / 10
  double PG_Prozent = 0;
  double VG_Prozent = 0;
  double Wasser_Prozent = 0;
  double Sonst_Prozent = 0;
  double Reserve_1 = 0;       // averaged like the percentages, always 0
  double Preis_je_ml = 0;     // base: price / reference quantity in ml
  double Reserve_2 = 0;
  bool operator==(const Basis_Datensatz&) const = default;
};

// The six bases in slot order.
using BaseSet = std::array<Basis_Datensatz, 6>;

// Amount-weighted average of the six bases: each product divided by 100 on
// its own, the six terms added left to right, the sum times 100 divided by
// the total. A total of 0 gives an all-zero mixture.
inline Basis_Datensatz Mischung_Berechnen(const BaseSet& b) {
  Basis_Datensatz m;
  const double T = b[0].Menge + b[1].Menge + b[2].Menge + b[3].Menge + b[4].Menge + b[5].Menge;
  m.Menge = T;
  if (T == 0) return m;
  auto avg = [&](double Basis_Datensatz::*f) {
    const double s = b[0].Menge * (b[0].*f) / 100 + b[1].Menge * (b[1].*f) / 100 + b[2].Menge * (b[2].*f) / 100 +
                     b[3].Menge * (b[3].*f) / 100 + b[4].Menge * (b[4].*f) / 100 + b[5].Menge * (b[5].*f) / 100;
    return s * 100 / T;
  };
  m.N_Prozent = avg(&Basis_Datensatz::N_Prozent);
  m.PG_Prozent = avg(&Basis_Datensatz::PG_Prozent);
  m.VG_Prozent = avg(&Basis_Datensatz::VG_Prozent);
  m.Wasser_Prozent = avg(&Basis_Datensatz::Wasser_Prozent);
  m.Sonst_Prozent = avg(&Basis_Datensatz::Sonst_Prozent);
  m.Reserve_1 = avg(&Basis_Datensatz::Reserve_1);
  return m;
}

// True when the five shares equal the target's exactly (no tolerance).
inline bool Mischung_Ist_Treffer(const Basis_Datensatz& mix, const Basis_Datensatz& target) {
  return mix.N_Prozent == target.N_Prozent && mix.PG_Prozent == target.PG_Prozent &&
         mix.VG_Prozent == target.VG_Prozent && mix.Wasser_Prozent == target.Wasser_Prozent &&
         mix.Sonst_Prozent == target.Sonst_Prozent;
}

}  // namespace mirl
