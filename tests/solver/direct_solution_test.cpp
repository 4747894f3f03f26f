#include <gtest/gtest.h>

#include "runtime/number.h"
#include "solver/direct_solution.h"
#include "solver_fixture.h"

namespace mirl::solvertest {
namespace {

class DirectSolution : public SolverTest {
 protected:
  // PG nicotine base 36 mg/ml PG 100, PG base, VG base.
  void threeBases() {
    base(PG_N_Basis, {"36", "100", "0", "0", "0", "7,77"});
    base(PG_Basis, {"0", "100", "0", "0", "0", "0,77"});
    base(VG_Basis, {"0", "0", "100", "0", "0", "1,77"});
  }
  bool offered() { return caption() == "Schnell-L\xC3\xB6sung "; }
  std::string amount(BaseSlotId s) { return w().basis[s].txt_Menge->Text(); }
  // Takes the offered direct solution and checks the amounts it shows.
  void expectSolution(std::initializer_list<std::pair<BaseSlotId, const char*>> amounts) {
    ASSERT_TRUE(offered());
    w().userClick(*w().btn_Berechnung);
    for (const auto& [slot, ml] : amounts) EXPECT_EQ(amount(slot), ml) << slot;
  }
  // Ticks the flavour rows with their percentages (or unticks them).
  void flavours(std::initializer_list<std::pair<int, const char*>> rows, int tick = 1) {
    for (const auto& [k, percent] : rows) {
      w().aroma[k].txt_Aroma_Menge->setText(percent);
      w().aroma[k].chk_Aroma->setValueSilently(tick);
    }
  }
  static Vorschlag_Datensatz mixture(double pgN, double pg, double vg) {
    Vorschlag_Datensatz block;
    block.baseAmount(PG_N_Basis) = pgN;
    block.baseAmount(PG_Basis) = pg;
    block.baseAmount(VG_Basis) = vg;
    return block;
  }
};

TEST_F(DirectSolution, NegativeAmountIsNotOffered) {
  threeBases();
  target("100", "18", "30", "70");
  EXPECT_FALSE(offered());
}

TEST_F(DirectSolution, PreconditionsWithoutOffer) {
  threeBases();
  target("0,5", "6", "50", "50");
  EXPECT_FALSE(offered());  // total below 1 ml
  target("100", "40", "50", "50");
  EXPECT_FALSE(offered());  // stronger than every base
  w().basis[PG_Basis].chk->setValue(0);
  target("100", "6", "90", "10");
  EXPECT_FALSE(offered());  // the only PG candidate is the nicotine base
}

TEST_F(DirectSolution, NicotineFreeTargetFromNicotineFreeBasesHasNoNicotineBase) {
  base(PG_Basis, {"0", "100", "0"});
  base(VG_Basis, {"0", "0", "100"});
  target("100", "0", "50", "50");
  EXPECT_FALSE(offered());
}

TEST_F(DirectSolution, NicotineFreeTargetGivesTheNicotineBaseNothing) {
  threeBases();
  target("100", "0", "50", "50");
  expectSolution({{PG_N_Basis, "0"}, {PG_Basis, "50"}, {VG_Basis, "50"}});
}

TEST_F(DirectSolution, PureVgTargetSkipsThePgStep) {
  base(VG_N_Basis, {"36", "0", "100"});
  base(VG_Basis, {"0", "0", "100"});
  target("100", "6", "0", "100");
  expectSolution({{VG_N_Basis, "16,67"}, {VG_Basis, "83,33"}});
}

TEST_F(DirectSolution, WaterBaseFillsTheRest) {
  base(PG_N_Basis, {"36", "100", "0"});
  base(PG_Basis, {"0", "100", "0"});
  base(VPG_Basis, {"0", "0", "0", "100"});
  target("100", "6", "90", "0", "10");
  expectSolution({{PG_N_Basis, "16,67"}, {PG_Basis, "73,33"}, {VPG_Basis, "10"}});
}

TEST_F(DirectSolution, CountedFlavoursTakeTheirShareAndTheirPg) {
  threeBases();
  app().flavours.Aromen_Tabelle[1] = {20, 0, 80, 0, 0, 0};
  flavours({{1, "10"}});
  w().chk_AllAromaProzent->setValueSilently(1);
  target("100", "5,4", "53", "45");
  expectSolution({{PG_N_Basis, "15"}, {PG_Basis, "30"}, {VG_Basis, "45"}});
  EXPECT_EQ(w().aroma[1].txt_Aroma_Menge_ml->Text(), "10");

  // Without the flavour's own PG in the target, the amounts fall short.
  target("100", "5,4", "45", "45", "0", "0");
  EXPECT_FALSE(offered());
}

TEST_F(DirectSolution, UncountedFlavoursTakeNoPart) {
  threeBases();
  flavours({{1, "10"}});
  w().aroma[1].txt_Aroma_Menge_ml->setText("3");
  target("100", "6", "50", "50");
  expectSolution({});
  EXPECT_EQ(w().aroma[1].txt_Aroma_Menge_ml->Text(), "3");
}

TEST_F(DirectSolution, SumAndResiduesAreJudgedAsShown) {
  // 30 ml at 2 mg/ml, PG 48 / VG 48 with three counted flavours (1, 1 and
  // 2 %): the amounts add up to 29.999999999999996, which shows as 30.
  threeBases();
  flavours({{1, "1"}, {2, "1"}, {3, "2"}});
  w().chk_AllAromaProzent->setValueSilently(1);
  target("30", "2", "48", "48");
  expectSolution({{PG_N_Basis, "1,67"}, {PG_Basis, "12,73"}, {VG_Basis, "14,4"}});
  EXPECT_EQ(w().aroma[3].txt_Aroma_Menge_ml->Text(), "0,6");
  flavours({{1, "1"}, {2, "1"}, {3, "2"}}, 0);
  w().chk_AllAromaProzent->setValueSilently(0);

  // 250 ml at 29 mg/ml, 90/10 from 36 mg/ml: 250.00000000000003 ml.
  target("250", "29", "90", "10");
  expectSolution({{PG_N_Basis, "201,39"}, {PG_Basis, "23,61"}, {VG_Basis, "25"}});

  // A 12 mg/ml base of PG 60 / VG 40 brings all the PG of 4 mg/ml, 20/80:
  // the PG base gets -7.1e-15 ml, which counts and shows as 0.
  base(PG_N_Basis, {"12", "60", "40"});
  target("100", "4", "20", "80");
  expectSolution({{PG_N_Basis, "33,33"}, {PG_Basis, "0"}, {VG_Basis, "66,67"}});
}

TEST_F(DirectSolution, CheckToleratesNoMoreThanTheShownPrecision) {
  threeBases();
  target("100", "6", "50", "50");
  Vorschlag_Datensatz block = mixture(100.0 / 6, 100.0 / 3, 50);
  block.baseAmount(VPG_Basis) = -0.0049;  // shown as "0": set to 0
  EXPECT_TRUE(Schnell_Loesung_Pruefen(app(), block));
  EXPECT_EQ(block.baseAmount(VPG_Basis), 0);
  block.baseAmount(VPG_Basis) = -0.005;
  EXPECT_FALSE(Schnell_Loesung_Pruefen(app(), block));
  block.baseAmount(VPG_Basis) = 0;
  block.baseAmount(VG_Basis) = 50.004;  // 100,004 shows as 100
  EXPECT_TRUE(Schnell_Loesung_Pruefen(app(), block));
  block.baseAmount(VG_Basis) = 50.006;  // 100,01
  EXPECT_FALSE(Schnell_Loesung_Pruefen(app(), block));
}

TEST_F(DirectSolution, CompositionIsRoundedAsShown) {
  threeBases();
  target("100", "6", "50", "50");
  const Vorschlag_Datensatz block = mixture(16.7, 33.3, 50);
  Composition mix{-1, -1, -1, -1, -1};
  Mischung_Zusammensetzung_Berechnen(app(), block, mix);
  EXPECT_EQ(mix.N, 6);  // 6,012 mg/ml to one decimal
  EXPECT_EQ(mix.PG, 50);
  EXPECT_EQ(mix.VG, 50);
  EXPECT_EQ(mix.W, 0);
  w().txt_Berechnung_Menge->setText("0");
  mix.N = -1;
  Mischung_Zusammensetzung_Berechnen(app(), block, mix);
  EXPECT_EQ(mix.N, -1);  // a total of 0 leaves the outputs
}

}  // namespace
}  // namespace mirl::solvertest
