// Flavour contributions and the flavour-share conversions AH and AE with
// golden values worked out by hand from the rules: AH scales each part by
// (100 - F) / 100 and adds what the flavours bring; AE subtracts the
// flavours' part (scaled to the bases' share) after scaling by
// 100 / (100 - F); both end with the rounding compensation.
#include "conversions/flavour_contributions.h"
#include "conversions/flavour_share.h"
#include "conversions/rounding.h"
#include "conversion_fixture.h"

namespace mirl::testing_conv {
namespace {

using Target = Composition;

class FlavourShare : public ConversionTest {
 protected:
  ConvResult ah(Target& t, double F, double B) { return Aroma_Hinzurechnen_AH(app(), F, t, B); }
  ConvResult ae(Target& t, double F, double B, int k = 0, bool previous = false) {
    return Aroma_Herausrechnen_AE(app(), F, t, B, k, previous);
  }
  static void expectTarget(const Target& t, double N, double PG, double VG, double W, double S) {
    EXPECT_EQ(t.N, N);
    EXPECT_EQ(t.PG, PG);
    EXPECT_EQ(t.VG, VG);
    EXPECT_EQ(t.W, W);
    EXPECT_EQ(t.S, S);
  }
};

// --- contributions ---------------------------------------------------------

TEST_F(FlavourShare, ContributionsOfOneFlavour) {
  // Flavour 2 at 10 % with PG 50 and 12 mg/ml: plain 10 x 50 / 100 = 5 and
  // 10 x 1,2 / 100 x 10 = 1,2; scaled to the bases' 90 %: 10 x (5000 / 90)
  // / 100 = 50 / 9 and 4 / 3.
  row(2, 1, "10");
  composition(2, 50, 12, 50, 0, 0, 0);
  EXPECT_EQ(Summe_Aromen_PG(app()), 5);
  EXPECT_DOUBLE_EQ(Summe_Aromen_N(app()), 1.2);
  EXPECT_EQ(Summe_Aromen_VG(app()), 0);
  EXPECT_DOUBLE_EQ(Summe_Aromen_PG_Vor_Klick(app(), 10, 0), 50.0 / 9);
  EXPECT_DOUBLE_EQ(Summe_Aromen_N_Vor_Klick(app(), 10, 0), 4.0 / 3);
  EXPECT_DOUBLE_EQ(Summe_Aromen_PG_Alt(app(), 10, 0), 50.0 / 9);
}

TEST_F(FlavourShare, ContributionsTakeTheClickedRowAsBefore) {
  composition(1, 0, 0, 100, 0, 0, 0);
  composition(3, 0, 0, 100, 0, 0, 0);
  row(1, 1, "2");
  row(3, 1, "4");  // just ticked: left out
  EXPECT_DOUBLE_EQ(Summe_Aromen_PG_Vor_Klick(app(), 50, 3), 2 * (100 * 100 / 50.0) / 100);
  row(3, 0, "4");  // just unticked: counted
  EXPECT_DOUBLE_EQ(Summe_Aromen_PG_Vor_Klick(app(), 50, 3), 6 * (100 * 100 / 50.0) / 100);
}

TEST_F(FlavourShare, ContributionsWithThePreviousPercentage) {
  composition(4, 0, 0, 0, 0, 100, 0);
  row(4, 1, "8");
  app().conv.Aroma_Menge_Alt[4] = 5;
  EXPECT_EQ(Summe_Aromen_Wasser_Alt(app(), 50, 4), 10);  // 5 x 200 / 100
  EXPECT_EQ(Summe_Aromen_Wasser_Alt(app(), 50, 0), 16);  // its field, 8
  row(4, 0, "8");                                         // unticked: not counted
  EXPECT_EQ(Summe_Aromen_Wasser_Alt(app(), 50, 4), 0);
}

TEST_F(FlavourShare, ContributionsSkipARowWhoseTextIsNoNumber) {
  composition(1, 0, 0, 0, 0, 0, 100);
  composition(2, 0, 0, 0, 0, 0, 100);
  row(1, 1, "");
  row(2, 1, "3");
  EXPECT_EQ(Summe_Aromen_Sonst(app()), 3);
}

// --- AH and AE, nicotine outside the 100 % ---------------------------------

TEST_F(FlavourShare, NoFlavourChangesNothing) {
  setStatus("before");
  Target t{9, 50, 50, 0, 0};
  EXPECT_EQ(ah(t, 0, 0).status, ConvStatus::NothingToDo);
  EXPECT_EQ(ae(t, 0, 0).status, ConvStatus::NothingToDo);
  expectTarget(t, 9, 50, 50, 0, 0);
  EXPECT_EQ(status(), "before");
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(FlavourShare, PureFlavourInAndOut) {
  // 10 % of pure flavour substance: 50 x 90 / 100 = 45, nicotine
  // 0,9 x 90 / 100 x 10 = 8,1; and back: 45 x 100 / 90 = 50, 9.
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{9, 50, 50, 0, 0};
  EXPECT_TRUE(ah(t, 10, 10).converted());
  expectTarget(t, 8.1, 45, 45, 0, 0);
  EXPECT_TRUE(ae(t, 10, 10).converted());
  expectTarget(t, 9, 50, 50, 0, 0);
}

TEST_F(FlavourShare, FlavourBringsItsOwnParts) {
  // 10 % of a flavour of 20 % substance and 80 % PG (B = 2): PG
  // 60 x 0,9 + 8 = 62, VG 36; back: 62 x 100 / 90 - 10 x (8000 / 90) / 100
  // = 60, VG 40.
  row(1, 1, "10");
  composition(1, 20, 0, 80, 0, 0, 0);
  Target t{0, 60, 40, 0, 0};
  ah(t, 10, 2);
  expectTarget(t, 0, 62, 36, 0, 0);
  ae(t, 10, 2);
  expectTarget(t, 0, 60, 40, 0, 0);
}

TEST_F(FlavourShare, RoundingHintWhenTheCompensationAdjusts) {
  // 7 % pure flavour on 33,33 / 33,33 / 33,34: 30,9969 / 30,9969 / 31,0062,
  // two-decimal total with B 7: 100,01. The excess goes from water: all
  // three end at 31, and the hint is shown.
  row(1, 1, "7");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{9, 33.33, 33.33, 33.34, 0};
  setStatus("");
  ah(t, 7, 7);
  expectTarget(t, 8.37, 31, 31, 31, 0);
  EXPECT_EQ(status(), text(Msg::Msg_AH_Rundung_Status));

  // Out again: 31 x 100 / 93 = 33,3333333 each, total 99,99: the missing
  // 0,01 goes to other.
  setStatus("");
  ae(t, 7, 7);
  expectTarget(t, 9, 33.33, 33.33, 33.33, 0.01);
  EXPECT_EQ(status(), text(Msg::Msg_AE_Rundung_Status));
}

TEST_F(FlavourShare, NoHintWhenNothingWasAdjusted) {
  // Target 50 / 45 before AH: refused (AH-2); the total with B is 105,
  // outside the window, so the compensation changes nothing.
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{9, 50, 45, 0, 0};
  const ConvResult r = ah(t, 10, 10);
  EXPECT_TRUE(r.refused());
  EXPECT_EQ(r.code, "AH-2");
  expectTarget(t, 9, 50, 45, 0, 0);
  EXPECT_EQ(status(), text(Msg::Msg_AH2_Status));
  auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Berechnung abgebrochen! Fehlercode: AH-2");
  EXPECT_EQ(boxes[0].style, 64);

  // Converted, but the flavour is only half substance and brings nothing
  // else: 5 + 45 + 45 = 95 is no rounding difference, nothing is adjusted
  // and no hint is shown.
  composition(1, 50, 0, 0, 0, 0, 0);
  t = {9, 50, 50, 0, 0};
  setStatus("");
  EXPECT_TRUE(ah(t, 10, 5).converted());
  expectTarget(t, 8.1, 45, 45, 0, 0);
  EXPECT_EQ(status(), "");
}

TEST_F(FlavourShare, AeRefusesAGroupThatDoesNotAddUp) {
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{9, 40, 40, 0, 0};  // 10 + 80 = 90
  const ConvResult r = ae(t, 10, 10);
  EXPECT_EQ(r.code, "AE-2");
  expectTarget(t, 9, 40, 40, 0, 0);
  EXPECT_EQ(status(), text(Msg::Msg_AE2_Status));
}

TEST_F(FlavourShare, MoreThan99PercentFlavourIsRefused) {
  row(1, 1, "99,5");
  composition(1, 100, 0, 0, 0, 0, 0);
  for (bool in : {true, false}) {
    Target t{9, 50, 50, 0, 0};
    const ConvResult r = in ? ah(t, 99.5, 99.5) : ae(t, 99.5, 99.5);
    EXPECT_EQ(r.code, "AE-ZA");
    expectTarget(t, 9, 50, 50, 0, 0);
    EXPECT_EQ(status(), "AE-ZA --- Berechnung abgebrochen --- Summe aller Aromen mehr als 99%");
    auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Zuviel Aroma");
  }
}

TEST_F(FlavourShare, NinetyNinePercentIsAccepted) {
  // 99 % of pure flavour: PG 100 x 1 / 100 = 1, and back 1 x 100 / 1 = 100.
  row(1, 1, "99");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{0, 100, 0, 0, 0};
  EXPECT_TRUE(ah(t, 99, 99).converted());
  expectTarget(t, 0, 1, 0, 0, 0);
  EXPECT_TRUE(ae(t, 99, 99).converted());
  expectTarget(t, 0, 100, 0, 0, 0);
}

TEST_F(FlavourShare, MessageBoxesOffLeaveOnlyTheStatus) {
  messageBoxesOff(true);
  Target t{9, 50, 50, 0, 0};
  ah(t, 100, 100);
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(status(), text(Msg::Msg_AEZA_Status));
}

// --- AH and AE, nicotine inside the 100 % ----------------------------------

TEST_F(FlavourShare, WithNicotineInAndOut) {
  // 12 mg/ml (1,2 %) + 48,8 + 50; 10 % pure flavour: N 1,2 x 0,9 x 10 =
  // 10,8, PG 43,92, VG 45; total 10 + 1,08 + 43,92 + 45 = 100. Back: N
  // 1,08 x 100 / 90 x 10 = 12, PG 48,8, VG 50.
  nicotineOption(true);
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{12, 48.8, 50, 0, 0};
  EXPECT_TRUE(ah(t, 10, 10).converted());
  expectTarget(t, 10.8, 43.92, 45, 0, 0);
  EXPECT_TRUE(ae(t, 10, 10).converted());
  expectTarget(t, 12, 48.8, 50, 0, 0);
}

TEST_F(FlavourShare, WithNicotineTheStrengthTakesTheRoundingRest) {
  // 10 % pure flavour out of N 6,7, PG 30, VG 30, water 29,33 (10 + 0,67 +
  // 89,33 = 100): PG and VG 33,3333333, water 32,5888889, N 7,4444444;
  // two-decimal total 33,33 + 33,33 + 32,59 + 0,74 = 99,99. The strength
  // takes the rest: (100 - 99,25) x 10 = 7,5.
  nicotineOption(true);
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{6.7, 30, 30, 29.33, 0};
  setStatus("");
  ae(t, 10, 10);
  expectTarget(t, 7.5, 33.33, 33.33, 32.59, 0);
  EXPECT_EQ(status(), text(Msg::Msg_AE_Rundung_Status));
}

TEST_F(FlavourShare, WithNicotineARefusalKeepsItsStatus) {
  // 1 + 49 + 49,97 = 99,97: AH-1. The compensation still sets the strength
  // to (100 - 98,97) x 10 = 10,3, but the status keeps the refusal.
  nicotineOption(true);
  row(1, 1, "10");
  composition(1, 0, 0, 100, 0, 0, 0);
  Target t{10, 49, 49.97, 0, 0};
  const ConvResult r = ah(t, 10, 0);
  EXPECT_EQ(r.code, "AH-1");
  EXPECT_EQ(r1(t.N), 10.3);
  EXPECT_EQ(t.PG, 49);
  EXPECT_EQ(t.VG, 49.97);
  EXPECT_EQ(status(), text(Msg::Msg_AH1_Status));
}

TEST_F(FlavourShare, WithNicotineTheStrengthNeverEndsBelowZero) {
  // 0 + 50 + 50,03 = 100,03: AH-1, and the rest (100 - 100,03) x 10 = -0,3
  // becomes 0.
  nicotineOption(true);
  row(1, 1, "10");
  composition(1, 0, 0, 100, 0, 0, 0);
  Target t{0, 50, 50.03, 0, 0};
  EXPECT_EQ(ah(t, 10, 0).code, "AH-1");
  EXPECT_EQ(t.N, 0);
}

TEST_F(FlavourShare, WithNicotineAeRefusesWithItsOwnCode) {
  nicotineOption(true);
  row(1, 1, "10");
  composition(1, 100, 0, 0, 0, 0, 0);
  Target t{12, 48.8, 50, 0, 0};  // 10 + 1,2 + 98,8 = 110
  EXPECT_EQ(ae(t, 10, 10).code, "AE-1");
  expectTarget(t, 12, 48.8, 50, 0, 0);
  EXPECT_EQ(status(), text(Msg::Msg_AE1_Status));
}

}  // namespace
}  // namespace mirl::testing_conv
