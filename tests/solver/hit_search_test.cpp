#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "runtime/host.h"
#include "runtime/number.h"
#include "solver/hit_search.h"
#include "solver/proposals.h"
#include "solver_fixture.h"

namespace mirl::solvertest {
namespace {

// Tested steps of a full grid with m ticked bases of N parts:
// (N+1) + (N+1)^2 + ... + (N+1)^m; the exact-hit search yields once per step.
std::uint64_t fullGridSteps(int m, std::uint64_t N) {
  std::uint64_t sum = 0, p = 1;
  for (int j = 0; j < m; ++j) sum += (p *= N + 1);
  return sum;
}

class HitSearch : public SolverTest {};

TEST_F(HitSearch, UnpricedHitsStillGiveAProposal) {
  base(PG_Basis, {"0", "100", "0"});
  base(VG_Basis, {"0", "0", "100"});
  target("100", "0", "50", "50");
  clickCalculate();
  EXPECT_EQ(st().Vorschlag_Letzter_Index, 0);
  EXPECT_EQ(st().Vorschlagsliste[0].baseAmount(PG_Basis), 50);
  EXPECT_EQ(status(), "Berechnung nach 1 Treffer abgebrochen --- Grund: Voreingestellte Berechnungstiefe erreicht");
  EXPECT_EQ(w().lbl_TopTen->Caption(), "Vorschlag 1 / 1");
}

TEST_F(HitSearch, PriceIsReadAtTheMomentOfTheHit) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  // After hit (1,1) (pass 781) the VG price goes up tenfold.
  atPass(1000, [&] { w().basis[VG_Basis].txt_Preis_100_ml->setText("70"); });
  clickCalculate();
  EXPECT_DOUBLE_EQ(st().Trefferliste[0].price(), 6);
  EXPECT_DOUBLE_EQ(st().Trefferliste[1].price(), 37.5);
  const int last = static_cast<int>(st().Vorschlag_Letzter_Index);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[0].price(), 6);
  EXPECT_DOUBLE_EQ(st().Vorschlagsliste[last].price(), 37.5);
}

TEST_F(HitSearch, ListWithoutSelectionLeavesEveryPriceAtZero) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  w().basis[PG_N_Basis].cbo_Preis->setListIndex(-1);  // an unticked slot's list
  clickCalculate();
  for (int k = 0; k < 78; ++k) ASSERT_EQ(st().Trefferliste[k].price(), 0);
  EXPECT_EQ(st().Vorschlag_Letzter_Index, 0);
}

TEST_F(HitSearch, FullGridYieldsOncePerTestedStep) {
  struct Case {
    std::vector<BaseSlotId> slots;
    int N;
  };
  // Targets no grid point meets: other 50 % with bases that hold none.
  for (const Case& c : {Case{{PG_Basis, VG_Basis}, 777}, Case{{PG_N_Basis, VPG_Basis}, 777},
                        Case{{VG_N_Basis, PG_Basis, VPG_Basis}, 100},
                        Case{{PG_N_Basis, VG_N_Basis, PG_Basis, VG_Basis}, 30}}) {
    for (auto& b : w().basis) b.chk->setValueSilently(0);
    for (BaseSlotId s : c.slots) base(s, {"0", "50", "50"});
    target("100", "0", "25", "25", "0", "50");
    messageBoxes(false);
    clickCalculate();
    EXPECT_EQ(passes(), fullGridSteps(static_cast<int>(c.slots.size()), c.N)) << c.slots.size() << " bases";
    EXPECT_EQ(w().ProgressBar1->Max(), c.N);
    EXPECT_EQ(w().ProgressBar1->Value(), c.N);
    EXPECT_EQ(caption(), "Ann\xC3\xA4herungsberechnung ");
  }
}

TEST_F(HitSearch, ClickDuringTheLastYieldRunsTheHitEndingThenTheCancelEnding) {
  // PG 40,08 / VG 59,92 is met by 501 and 749 parts only.
  pgAndVgBases();
  target("100", "0", "40,08", "59,92");
  const std::uint64_t last = 778u + 778u * 778u;
  atPass(last, [&] { w().userClick(*w().btn_Berechnung); });
  clickCalculate();
  EXPECT_EQ(passes(), last);
  EXPECT_EQ(st().Trefferliste[0].baseAmount(PG_Basis), 501);
  EXPECT_EQ(st().Trefferliste[0].baseAmount(VG_Basis), 749);
  EXPECT_EQ(status(), "Berechnung nach 1 Treffer abgebrochen --- Grund: Abbruch durch Benutzer");
  EXPECT_EQ(w().basis[PG_Basis].txt_Menge->Text(), "40,08");
}

TEST_F(HitSearch, OnlyTheCalculateButtonTakesInputWhileTheSearchRuns) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  bool tickAccepted = true, typeAccepted = true, menuAccepted = true;
  std::string captionDuringRefresh;
  atPass(5, [&] {
    EXPECT_TRUE(w().busy());
    tickAccepted = w().userClick(*w().basis[PG_N_Basis].chk);
    typeAccepted = w().userType(*w().txt_Berechnung_Menge, "5");
    menuAccepted = w().userMenu(*w().mnu_Service_MsgBox);
    // A refresh run by code meanwhile leaves the button's cancel caption.
    Anzeige_Aktualisieren(app());
    captionDuringRefresh = caption();
  });
  atPass(6, [&] { w().userClick(*w().btn_Berechnung); });
  clickCalculate();
  EXPECT_FALSE(tickAccepted);
  EXPECT_FALSE(typeAccepted);
  EXPECT_FALSE(menuAccepted);
  EXPECT_EQ(captionDuringRefresh, "Abbrechen ");
  EXPECT_EQ(passes(), 6u);
  EXPECT_FALSE(w().busy());
}

TEST_F(HitSearch, SecondClickInTheSamePassOnlyCancels) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  atPass(10, [&] {
    w().userClick(*w().btn_Berechnung);
    w().userClick(*w().btn_Berechnung);  // caption reads "Berechnen " by now
  });
  clickCalculate();
  EXPECT_EQ(passes(), 10u);
  EXPECT_EQ(status(), "Berechnung nach 0 Treffern abgebrochen --- Grund: Abbruch durch Benutzer");
  EXPECT_FALSE(st().searchRunning);
}

TEST_F(HitSearch, CloseDuringTheSearchClosesOnceItHasReturned) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  bool closedAtOnce = true;
  atPass(50, [&] { closedAtOnce = app().requestClose(); });
  clickCalculate();
  EXPECT_FALSE(closedAtOnce);
  EXPECT_EQ(passes(), 50u);
  EXPECT_TRUE(app().closed());
}

TEST_F(HitSearch, ProgressFollowsTheOutermostTickedBase) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  double valueAt2000 = -1;
  bool visible = false;
  atPass(2000, [&] {
    valueAt2000 = w().ProgressBar1->Value();
    visible = w().ProgressBar1->Visible();
    EXPECT_EQ(w().MousePointer(), 11);
    EXPECT_EQ(caption(), "Abbrechen ");
  });
  clickCalculate();
  EXPECT_TRUE(visible);
  EXPECT_EQ(valueAt2000, 2);  // outer step 2 ran at pass 1559
}

TEST_F(HitSearch, FlavourShareKeepsTheTargetNicotineToATenthOfAMilligram) {
  // 20 mg/ml PG nicotine base and PG base: 13,3 mg/ml is searched as
  // 1,33 %, with the flavour-share box (no flavour ticked) as without it.
  base(PG_N_Basis, {"20", "100", "0"});
  base(PG_Basis, {"0", "100", "0"});
  target("100", "13,3", "100", "0");
  messageBoxes(false);
  for (int inside : {1, 0}) {
    w().chk_AllAromaProzent->setValueSilently(inside);
    Berechnung_Treffersuche(app());
    EXPECT_EQ(st().Trefferliste[0].baseAmount(PG_N_Basis), 133) << inside;
    EXPECT_EQ(st().Trefferliste[0].baseAmount(PG_Basis), 67) << inside;
  }
}

TEST_F(HitSearch, RefusedFlavourShareEndsLikeARefusedCheck) {
  pgAndVgBases();
  target("100", "0", "50", "50");
  for (int k = 1; k <= 2; ++k) {
    w().aroma[k].txt_Aroma_Menge->setText("50");
    w().aroma[k].chk_Aroma->setValueSilently(1);
  }
  w().chk_AllAromaProzent->setValueSilently(1);
  messageBoxes(false);
  w().ProgressBar1->setVisible(false);
  st().Vorschlaege_Vorhanden = true;
  st().Vorschlagsliste[0].baseAmount(PG_Basis) = 1;
  app().loop().resetPasses();
  Berechnung_Treffersuche(app());
  EXPECT_EQ(passes(), 0u);
  EXPECT_EQ(status(), text(Msg::Msg_AEZA_Status));
  EXPECT_TRUE(st().Berechnung_Abbrechen);
  EXPECT_EQ(caption(), "Berechnen ");
  EXPECT_EQ(w().MousePointer(), 0);
  EXPECT_FALSE(w().ProgressBar1->Visible());
  EXPECT_EQ(st().Vorschlagsliste, ProposalList{});
  EXPECT_EQ(st().Trefferliste, ProposalList{});
  EXPECT_TRUE(st().Vorschlaege_Vorhanden);  // left as it was
}

// Random recipes of a nicotine base, PG, VG and a third base (of PG and VG,
// so that many mixtures meet the target, or water): a mixture found again
// deeper in the grid is priced a few units in the last place apart. The list
// shows every mixture once and every price apart from the others by more.
TEST_F(HitSearch, RandomRecipesShowEachMixtureOnceAndLoseNoOtherPrice) {
  std::mt19937 rng(20250125);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto near = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b)); };
  // PG, VG and water of the slots in order.
  std::array<std::array<const char*, 3>, kBaseSlots> madeOf{
      {{"100", "0", "0"}, {"0", "100", "0"}, {"50", "50", "0"}, {"100", "0", "0"}, {"0", "100", "0"}, {}}};
  constexpr std::array<std::array<const char*, 3>, 3> kThird{{{"50", "50", "0"}, {"30", "70", "0"}, {"0", "0", "100"}}};
  int withProposals = 0, severalShown = 0, noisyPairs = 0;
  for (int run = 0; run < 10; ++run) {
    for (auto& b : w().basis) b.chk->setValueSilently(0);
    madeOf[VPG_Basis] = kThird[pick(0, 2)];
    const int nicotine = pick(PG_N_Basis, VPG_N_Basis);
    for (int k : {nicotine, int{PG_Basis}, int{VG_Basis}, int{VPG_Basis}}) {
      const std::string mg = k == nicotine ? std::array{"12", "18", "20", "24", "36", "48"}[pick(0, 5)] : "0";
      base(static_cast<BaseSlotId>(k), {mg, madeOf[k][0], madeOf[k][1], madeOf[k][2], "0",
                                        rt::num::format(pick(50, 3000) / 100.0, "0.00")});
    }
    const int pg = 10 * pick(2, 8);
    target(std::array{"10", "30", "100", "250", "1000"}[pick(0, 4)], std::array{"0", "3", "6", "9", "12"}[pick(0, 4)],
           std::to_string(pg), std::to_string(100 - pg));
    messageBoxes(false);
    st().Berechnung_Abbrechen = false;
    Berechnung_Treffersuche(app());

    const ProposalList& hits = st().Trefferliste;
    const ProposalList& shown = st().Vorschlagsliste;
    const int last = listIndex(st().Vorschlag_Letzter_Index);
    int found = 0;
    while (found < kProposalPlaces && hits[found] != Vorschlag_Datensatz{}) ++found;
    SCOPED_TRACE("recipe " + std::to_string(run) + ", " + std::to_string(found) + " hits");
    withProposals += found > 0;
    severalShown += last > 0;
    for (int i = 0; i <= last; ++i) {
      for (int j = i + 1; j <= last; ++j) {
        bool same = true;
        for (int k = 0; k < kBaseSlots; ++k) same = same && near(shown[i].baseAmount(k), shown[j].baseAmount(k));
        EXPECT_FALSE(same) << "proposals " << i + 1 << " and " << j + 1 << " mix the same";
      }
    }
    for (int h = 0; h < found; ++h) {
      bool apart = true;
      for (int g = 0; g < found; ++g) {
        const bool noise = g != h && near(hits[h].price(), hits[g].price());
        apart = apart && !noise;
        noisyPairs += g > h && noise && hits[h].price() != hits[g].price();
      }
      bool kept = false;
      for (int i = 0; i <= last; ++i) kept = kept || shown[i].price() == hits[h].price();
      EXPECT_TRUE(kept || !apart) << "hit " << h + 1 << " priced " << hits[h].price() << " is lost";
    }
  }
  // The recipes reach what they are meant to.
  EXPECT_GE(withProposals, 6);
  EXPECT_GE(severalShown, 3);
  EXPECT_GE(noisyPairs, 10);
}

}  // namespace
}  // namespace mirl::solvertest
