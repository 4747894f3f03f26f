#include <gtest/gtest.h>

#include "runtime/host.h"
#include "solver/approximation.h"
#include "solver_fixture.h"

namespace mirl::solvertest {
namespace {

class Approximation : public SolverTest {
 protected:
  // Target PG 33,33 / VG 66,67 with the PG and VG bases: no exact hit.
  void unreachable() {
    pgAndVgBases();
    target("100", "0", "33,33", "66,67");
  }
};

TEST_F(Approximation, CancelEndsWithThePlacesFilledSoFar) {
  unreachable();
  messageBoxes(false);
  clickCalculate();
  // Passes 1-3: loops 1-3; then loop 4 at 0 parts (4, 5) and loop 5 at j
  // parts yielding at 6 + 2j (insertion) and 7 + 2j. The click in pass 40
  // comes before (0,17) is inserted, the poll after it.
  atPass(40, [&] { w().userClick(*w().btn_Berechnung); });
  clickCalculate();
  EXPECT_EQ(passes(), 40u);
  EXPECT_EQ(st().Vorschlag_Letzter_Index, 16);
  EXPECT_EQ(st().Vorschlagsliste[16].baseAmount(VG_Basis), 100);
  EXPECT_EQ(st().Vorschlagsliste[17], Vorschlag_Datensatz{});
  EXPECT_EQ(status(), "Berechnung nach 17 Treffern abgebrochen --- Grund: Abbruch durch Benutzer");
  EXPECT_EQ(w().lbl_TopTen->Caption(), "Vorschlag 1 / 17");
  // The request stays set after a cancelled approximation until the next
  // search clears it.
  EXPECT_TRUE(st().Berechnung_Abbrechen);
  EXPECT_EQ(caption(), "Berechnen ");
}

TEST_F(Approximation, EquallyNearMixturesFillTheListInTheOrderVisited) {
  base(PG_N_Basis, {"0", "0", "100"});
  base(VG_N_Basis, {"0", "0", "100"});
  target("100", "0", "0", "100");
  Annaeherung_Suche_V1(app());
  // (0,0) scores 0 and is not placed; then (0,1) .. (0,77).
  for (int i = 0; i < 77; ++i) {
    ASSERT_EQ(st().Vorschlagsliste[i].baseAmount(PG_N_Basis), 0) << i;
    ASSERT_DOUBLE_EQ(st().Vorschlagsliste[i].baseAmount(VG_N_Basis), 100) << i;  // rescaled
  }
}

TEST_F(Approximation, IgnoresTheFlavourShareOfTheTarget) {
  unreachable();
  messageBoxes(false);
  w().aroma[1].txt_Aroma_Menge->setText("10");
  w().aroma[1].chk_Aroma->setValueSilently(1);
  w().chk_AllAromaProzent->setValueSilently(1);
  Annaeherung_Suche_V1(app());
  // Same places as without flavours; only the rescaling leaves them 10 %.
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].baseAmount(PG_Basis) + st().Vorschlagsliste[0].baseAmount(VG_Basis), 90);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].flavourAmount(1), 10);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].baseAmount(PG_Basis) * 2, st().Vorschlagsliste[0].baseAmount(VG_Basis));
}

TEST_F(Approximation, RefusesFlavoursAboveNinetyNinePercentLikeTheConversion) {
  unreachable();
  for (int k = 1; k <= 2; ++k) {
    w().aroma[k].txt_Aroma_Menge->setText("50");
    w().aroma[k].chk_Aroma->setValueSilently(1);
  }
  w().chk_AllAromaProzent->setValueSilently(1);
  host().queueMessageBoxAnswer(rt::mb::Ok);
  app().loop().resetPasses();
  EXPECT_FALSE(Annaeherung_Suche_V1(app()));
  EXPECT_EQ(passes(), 0u);
  ASSERT_EQ(host().boxes.size(), 1u);
  EXPECT_EQ(host().boxes[0].style, rt::mb::Information);
  EXPECT_EQ(host().boxes[0].prompt, text(Msg::Msg_AEZA_Text));
  EXPECT_EQ(host().boxes[0].title, text(Msg::Msg_AEZA_Titel));
  EXPECT_EQ(status(), text(Msg::Msg_AEZA_Status));
  EXPECT_EQ(st().Vorschlagsliste, ProposalList{});
  EXPECT_FALSE(w().ProgressBar1->Visible());
  EXPECT_EQ(w().MousePointer(), 0);
}

TEST_F(Approximation, WithoutTickedBasesThereIsNothingToShow) {
  target("100", "0", "50", "50");
  EXPECT_TRUE(Annaeherung_Suche_V1(app()));
  EXPECT_EQ(st().Vorschlag_Letzter_Index, -1);
  EXPECT_EQ(st().Vorschlagsliste, ProposalList{});
  EXPECT_EQ(status(), "Berechnung nach 0 Treffer abgebrochen --- Grund: Voreingestellte Berechnungstiefe erreicht");
  EXPECT_EQ(w().lbl_TopTen->Caption(), "Vorschlag 1 / 0");
  EXPECT_FALSE(w().btn_R->Enabled());
}

}  // namespace
}  // namespace mirl::solvertest
