#include <gtest/gtest.h>

#include <cmath>

#include "solver/base_record.h"

namespace mirl {
namespace {

Basis_Datensatz base(double menge, double n, double pg, double vg, double w = 0, double s = 0) {
  Basis_Datensatz b;
  b.Menge = menge;
  b.N_Prozent = n;
  b.PG_Prozent = pg;
  b.VG_Prozent = vg;
  b.Wasser_Prozent = w;
  b.Sonst_Prozent = s;
  return b;
}

TEST(Mixing, NoAmountGivesAnAllZeroMixtureWhateverTheBasesHold) {
  BaseSet b{};
  for (auto& r : b) r = base(0, 1.8, 50, 50);
  b[2].Preis_je_ml = 0.05;
  EXPECT_EQ(Mischung_Berechnen(b), Basis_Datensatz{});
}

TEST(Mixing, OneBaseAloneGivesItsOwnCompositionAndAmount) {
  BaseSet b{};
  b[3] = base(1, 0, 100, 0);
  b[5] = base(0, 3.6, 10, 20, 30, 40);  // no amount: takes no part
  b[3].Preis_je_ml = 0.07;
  const Basis_Datensatz m = Mischung_Berechnen(b);
  EXPECT_EQ(m.Menge, 1);
  EXPECT_EQ(m.PG_Prozent, 100);
  EXPECT_EQ(m.VG_Prozent, 0);
  EXPECT_EQ(m.N_Prozent, 0);
  // The price is not averaged, and neither spare carries anything.
  EXPECT_EQ(m.Preis_je_ml, 0);
  EXPECT_EQ(m.Reserve_1, 0);
  EXPECT_EQ(m.Reserve_2, 0);
}

TEST(Mixing, EqualPartsOfPgAndVgHitFiftyFifty) {
  BaseSet b{};
  b[3] = base(1, 0, 100, 0);
  b[4] = base(1, 0, 0, 100);
  Basis_Datensatz target = base(100, 0, 50, 50);
  EXPECT_TRUE(Mischung_Ist_Treffer(Mischung_Berechnen(b), target));
  // Every multiple of 1:1 gives the very same doubles.
  for (int k = 2; k <= 777; ++k) {
    b[3].Menge = k;
    b[4].Menge = k;
    ASSERT_TRUE(Mischung_Ist_Treffer(Mischung_Berechnen(b), target)) << k;
  }
}

TEST(Mixing, OneToTwoMatchesNoTwoDecimalTarget) {
  BaseSet b{};
  b[3] = base(1, 0, 100, 0);
  b[4] = base(2, 0, 0, 100);
  const Basis_Datensatz m = Mischung_Berechnen(b);
  EXPECT_DOUBLE_EQ(m.PG_Prozent, 100.0 / 3);
  EXPECT_FALSE(Mischung_Ist_Treffer(m, base(0, 0, 33.33, 66.67)));
  EXPECT_FALSE(Mischung_Ist_Treffer(m, base(0, 0, 33.34, 66.66)));
}

TEST(Mixing, HitTestComparesTheFiveSharesExactly) {
  Basis_Datensatz mix = base(5, 1.2, 40, 50, 5, 3.8);
  Basis_Datensatz target = mix;
  EXPECT_TRUE(Mischung_Ist_Treffer(mix, target));

  // Amount, spares and price are not compared.
  target.Menge = 100;
  target.Reserve_1 = 1;
  target.Preis_je_ml = 2;
  target.Reserve_2 = 3;
  EXPECT_TRUE(Mischung_Ist_Treffer(mix, target));

  // One bit off in the last share is no hit.
  target.Sonst_Prozent = std::nextafter(mix.Sonst_Prozent, 100.0);
  EXPECT_FALSE(Mischung_Ist_Treffer(mix, target));
  target = mix;
  target.N_Prozent = std::nextafter(mix.N_Prozent, 0.0);
  EXPECT_FALSE(Mischung_Ist_Treffer(mix, target));
}

}  // namespace
}  // namespace mirl
