#include <gtest/gtest.h>

#include "solver/rescale.h"
#include "solver/show_proposal.h"
#include "solver_fixture.h"

namespace mirl::solvertest {
namespace {

class Display : public SolverTest {
 protected:
  void proposals(const std::vector<std::pair<double, double>>& pgVg) {
    st().Vorschlagsliste = {};
    for (size_t i = 0; i < pgVg.size(); ++i) {
      st().Vorschlagsliste[i].baseAmount(PG_N_Basis) = pgVg[i].first;
      st().Vorschlagsliste[i].baseAmount(VG_Basis) = pgVg[i].second;
    }
    st().Vorschlag_Index = 0;
    st().Vorschlag_Letzter_Index = static_cast<double>(pgVg.size()) - 1;
    st().Vorschlaege_Vorhanden = true;
  }
  std::string amount(BaseSlotId s) { return w().basis[s].txt_Menge->Text(); }
};

TEST_F(Display, TicksWhatTheProposalUsesAndWritesEveryAmount) {
  base(VPG_Basis, {"0", "0", "0", "100"});  // ticked, unused by the proposal
  w().basis[VG_N_Basis].txt_Menge->setText("12");
  w().aroma[2].txt_Aroma_Menge_ml->setText("4");
  proposals({{10.5, 89.5}});
  Vorschlag_Anzeigen(app(), st().Vorschlagsliste, 0);
  EXPECT_EQ(w().basis[PG_N_Basis].chk->Value(), 1);
  EXPECT_EQ(w().basis[VG_Basis].chk->Value(), 1);
  EXPECT_EQ(w().basis[VPG_Basis].chk->Value(), 1);  // never unticked
  EXPECT_EQ(w().basis[VG_N_Basis].chk->Value(), 0);
  EXPECT_EQ(amount(PG_N_Basis), "10,5");
  EXPECT_EQ(amount(VG_Basis), "89,5");
  EXPECT_EQ(amount(VG_N_Basis), "0");
  EXPECT_EQ(amount(VPG_Basis), "0");
  EXPECT_EQ(w().aroma[2].txt_Aroma_Menge_ml->Text(), "0");
  EXPECT_EQ(w().aroma[2].chk_Aroma->Value(), 0);
  EXPECT_EQ(w().lbl_TopTen->Caption(), "Vorschlag 1 / 1");
}

TEST_F(Display, PagingAtTheEndsOnlyDisablesTheButton) {
  proposals({{1, 1}, {2, 2}});
  w().btn_L->setEnabled(true);
  w().btn_L->raiseClick();
  EXPECT_FALSE(w().btn_L->Enabled());
  EXPECT_EQ(st().Vorschlag_Index, 0);
  st().Vorschlag_Index = 1;
  w().btn_R->setEnabled(true);
  const auto refreshes = app().refreshCount;
  w().btn_R->raiseClick();
  EXPECT_FALSE(w().btn_R->Enabled());
  EXPECT_EQ(st().Vorschlag_Index, 1);
  EXPECT_EQ(app().refreshCount, refreshes);
}

class Rescale : public Display {
 protected:
  void flavour(int k, const std::string& pct, bool ticked) {
    w().aroma[k].txt_Aroma_Menge->setText(pct);
    w().aroma[k].chk_Aroma->setValueSilently(ticked ? 1 : 0);
  }
};

TEST_F(Rescale, PartsBecomeMillilitresOfTheTarget) {
  w().txt_Berechnung_Menge->setText("100");
  proposals({{1, 3}, {0, 0}});
  st().Vorschlagsliste[0].price() = 4.5;
  Vorschlaege_Auf_Menge_Umrechnen(app(), st().Vorschlagsliste);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(PG_N_Basis), 25);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(VG_Basis), 75);
  EXPECT_EQ(st().Vorschlagsliste[0].price(), 4.5);  // price untouched
  EXPECT_EQ(st().Vorschlagsliste[1], Vorschlag_Datensatz{});
}

TEST_F(Rescale, FlavourShareLeavesTheFlavoursTheirPercentage) {
  w().txt_Berechnung_Menge->setText("100");
  w().chk_AllAromaProzent->setValueSilently(1);
  flavour(1, "10", true);
  flavour(2, "7", false);  // unticked: 0 ml whatever its percentage
  proposals({{1, 3}});
  Vorschlaege_Auf_Menge_Umrechnen(app(), st().Vorschlagsliste);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].baseAmount(PG_N_Basis), 22.5);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].baseAmount(VG_Basis), 67.5);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].flavourAmount(1), 10);
  EXPECT_EQ(st().Vorschlagsliste[0].flavourAmount(2), 0);
}

TEST_F(Rescale, BoxTickedWithoutFlavoursIsPlain) {
  w().txt_Berechnung_Menge->setText("100");
  w().chk_AllAromaProzent->setValueSilently(1);
  flavour(1, "10", false);
  proposals({{1, 3}});
  Vorschlaege_Auf_Menge_Umrechnen(app(), st().Vorschlagsliste);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(PG_N_Basis), 25);
}

TEST_F(Rescale, FlavoursTakingEverythingLeaveNoAmounts) {
  w().txt_Berechnung_Menge->setText("100");
  w().chk_AllAromaProzent->setValueSilently(1);
  flavour(1, "60", true);
  flavour(2, "40", true);
  proposals({{1, 3}});
  Vorschlaege_Auf_Menge_Umrechnen(app(), st().Vorschlagsliste);
  for (int f : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}) EXPECT_EQ(st().Vorschlagsliste[0](f), 0) << f;
}

TEST_F(Rescale, TargetOfZeroTurnsEveryRecordToZero) {
  w().txt_Berechnung_Menge->setText("0");
  proposals({{1, 3}});
  Vorschlaege_Auf_Menge_Umrechnen(app(), st().Vorschlagsliste);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(PG_N_Basis), 0);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(VG_Basis), 0);
}

}  // namespace
}  // namespace mirl::solvertest
