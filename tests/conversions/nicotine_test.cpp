// Nicotine into (NH, NHA) and out of (NE, NEA) the 100 %, with golden values
// worked out by hand: into the view including nicotine each part X becomes
// (100 - N / 10) x X / 100, out of it X x 100 / (100 - N / 10); the rounding
// forms keep two decimals and compensate.
#include <array>

#include "conversions/nicotine_flavours.h"
#include "conversions/nicotine_groups.h"
#include "conversion_fixture.h"

namespace mirl::testing_conv {
namespace {

class NicotineGroups : public ConversionTest {
 protected:
  NicotineGroup target() {
    const auto t = f().targetFields();
    return {t[0], t[1], t[2], t[3], t[4]};
  }
  void setTarget(const char* n, const char* pg, const char* vg, const char* w, const char* s) {
    const std::array values = {n, pg, vg, w, s};
    for (std::size_t i = 0; i < values.size(); ++i) f().targetFields()[i]->setText(values[i]);
  }
  void expectTarget(const char* n, const char* pg, const char* vg, const char* w, const char* s) {
    const std::array values = {n, pg, vg, w, s};
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(f().targetFields()[i]->Text(), values[i]) << i;
  }
};

TEST_F(NicotineGroups, IntoAndOutOfTheViewIncludingNicotine) {
  // 12 mg/ml: 98,8 x 50 / 100 = 49,4 each (1,2 + 49,4 + 49,4 = 100), and
  // 49,4 x 100 / 98,8 = 50 back. The strength stays.
  setTarget("12", "50", "50", "0", "0");
  EXPECT_TRUE(Nikotin_Hinzurechnen_NH(app(), target()).converted());
  expectTarget("12", "49,4", "49,4", "0", "0");
  EXPECT_TRUE(Nikotin_Herausrechnen_NE(app(), target()).converted());
  expectTarget("12", "50", "50", "0", "0");
}

TEST_F(NicotineGroups, NoRoundingCompensationIntoTheView) {
  // 10 mg/ml, 33,33 / 33,33 / 33,34: 99 x 33,33 / 100 = 32,9967 -> 33,
  // 99 x 33,34 / 100 = 33,0066 -> 33,01. Total with 1 % nicotine: 100,01,
  // left as it is.
  setTarget("10", "33,33", "33,33", "33,34", "0");
  Nikotin_Hinzurechnen_NH(app(), target());
  expectTarget("10", "33", "33", "33,01", "0");
}

TEST_F(NicotineGroups, OutOfTheViewCompensatesTheRounding) {
  // 70 mg/ml (7 %) with 31 / 31 / 31: each 31 x 100 / 93 = 33,33; total
  // 99,99, the missing 0,01 goes to other, and the hint is shown.
  setTarget("70", "31", "31", "31", "0");
  setStatus("");
  Nikotin_Herausrechnen_NE(app(), target());
  expectTarget("70", "33,33", "33,33", "33,33", "0,01");
  EXPECT_EQ(status(), text(Msg::Msg_NE_Rundung_Status));

  // 12 mg/ml back to 50 / 50 needs no compensation: no hint.
  setTarget("12", "49,4", "49,4", "0", "0");
  setStatus("");
  Nikotin_Herausrechnen_NE(app(), target());
  EXPECT_EQ(status(), "");
}

TEST_F(NicotineGroups, AGroupThatDoesNotAddUpKeepsItsValues) {
  setTarget("12", "50", "49", "0", "0");
  const ConvResult nh = Nikotin_Hinzurechnen_NH(app(), target());
  EXPECT_EQ(nh.code, "NH-2");
  expectTarget("12", "50", "49", "0", "0");
  EXPECT_EQ(status(), text(Msg::Msg_NH2_Status));
  auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Berechnung abgebrochen! Fehlercode: NH-2");

  // All 0 fails in both directions; with message boxes off only the status.
  messageBoxesOff(true);
  setTarget("0", "0", "0", "0", "0");
  EXPECT_EQ(Nikotin_Herausrechnen_NE(app(), target()).code, "NE-2");
  EXPECT_EQ(Nikotin_Hinzurechnen_NH(app(), target()).code, "NH-2");
  expectTarget("0", "0", "0", "0", "0");
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(NicotineGroups, ASumOffInTheLastBitStillMakesHundred) {
  // 2 + 88,2 + 4,9 + 4,9 is 100.00000000000001 in doubles, 100 at two
  // decimals. Back: 88,2 x 100 / 98 = 90, 4,9 -> 5; and into the view again.
  setTarget("20", "88,2", "4,9", "4,9", "0");
  EXPECT_TRUE(Nikotin_Herausrechnen_NE(app(), target()).converted());
  expectTarget("20", "90", "5", "5", "0");
  EXPECT_TRUE(Nikotin_Hinzurechnen_NH(app(), target()).converted());
  expectTarget("20", "88,2", "4,9", "4,9", "0");
  // 88,2 + 4,9 + 4,9 + 2 without nicotine: the same last bit.
  setTarget("0", "88,2", "4,9", "4,9", "2");
  EXPECT_TRUE(Nikotin_Hinzurechnen_NH(app(), target()).converted());
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(NicotineGroups, AFieldThatIsNoNumberReadsAsZero) {
  setTarget("abc", "100", "", "0", "0");
  Nikotin_Hinzurechnen_NH(app(), target());
  expectTarget("0", "100", "0", "0", "0");
}

// --- flavour compositions --------------------------------------------------

class NicotineFlavours : public ConversionTest {
 protected:
  void expectRec(int k, double A, double N, double PG, double VG, double W, double S) {
    EXPECT_EQ(rec(k), (Aromenzusammensetzung{A, N, PG, VG, W, S}))
        << "A " << rec(k).A << " N " << rec(k).N << " PG " << rec(k).PG << " VG " << rec(k).VG << " W "
        << rec(k).W << " S " << rec(k).S;
  }
};

TEST_F(NicotineFlavours, RoundingFormIntoAndBack) {
  // A 90, N 20, PG 10: 98 x 90 / 100 = 88,2 and 98 x 10 / 100 = 9,8
  // (88,2 + 2 + 9,8 = 100); back 88,2 x 100 / 98 = 90 and 10.
  composition(2, 90, 20, 10, 0, 0, 0);
  Alle_Aromen_HundertProzentN_Umrechnen(app());
  expectRec(2, 88.2, 20, 9.8, 0, 0, 0);
  Alle_Aromen_HundertProzentN_Rueckrechnen(app());
  expectRec(2, 90, 20, 10, 0, 0, 0);
}

TEST_F(NicotineFlavours, ExcessAfterRoundingComesFromTheLastNonZeroPart) {
  // A 33,33, N 10, PG 33,33, VG 33,34: A 33, PG 33, VG 33,01; total with
  // 1 % nicotine 100,01. Other and water are 0, so VG gives the 0,01.
  composition(1, 33.33, 10, 33.33, 33.34, 0, 0);
  Alle_Aromen_HundertProzentN_Umrechnen(app());
  expectRec(1, 33, 10, 33, 33, 0, 0);
}

TEST_F(NicotineFlavours, BackCompensatesAgainstTheFlavourSubstanceAlone) {
  // A 31, N 70, PG 31, VG 31 (31 x 3 + 7 = 100): each part 31 x 100 / 93 =
  // 33,33. Without the nicotine they must make 100 with A: 99,99, so other
  // gets 0,01.
  composition(4, 31, 70, 31, 31, 0, 0);
  Alle_Aromen_HundertProzentN_Rueckrechnen(app());
  expectRec(4, 33.33, 70, 33.33, 33.33, 0, 0.01);
}

TEST_F(NicotineFlavours, ASumOffInTheLastBitStillMakesHundred) {
  // A 88,2, N 20, PG 4,9, VG 4,9 (100.00000000000001 unrounded): both forms
  // convert it back to A 90, PG 5, VG 5; with S 2 instead of N into the view.
  composition(3, 88.2, 20, 4.9, 4.9, 0, 0);
  Alle_Aromen_HundertProzentN_Rueckrechnen(app());
  expectRec(3, 90, 20, 5, 5, 0, 0);
  composition(4, 88.2, 20, 4.9, 4.9, 0, 0);
  EXPECT_TRUE(Aroma_Nr_HundertProzentN_Rueckrechnen(app(), 4).converted());
  EXPECT_DOUBLE_EQ(rec(4).A, 90);
  composition(5, 88.2, 0, 4.9, 4.9, 0, 2);
  EXPECT_TRUE(Aroma_HundertProzentN_Umrechnen(app(), rec(5).A, rec(5).N, rec(5).PG, rec(5).VG, rec(5).W, rec(5).S, 5)
                  .converted());
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(NicotineFlavours, FailedRecordIsStillCompensated) {
  // A 99,95 alone: NH-2, then the compensation adds the missing 0,05 to
  // other. The status names record 3 of the rounding form.
  composition(3, 99.95, 0, 0, 0, 0, 0);
  Alle_Aromen_HundertProzentN_Umrechnen(app());
  expectRec(3, 99.95, 0, 0, 0, 0, 0.05);
  EXPECT_EQ(status(), text(Msg::Msg_NH2_Status) + " - NHA-A3 - ");
  auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, text(Msg::Msg_NH2_Text));
}

TEST_F(NicotineFlavours, MessageBoxesOffKeepAFailedRecord) {
  messageBoxesOff(true);
  composition(5, 50, 20, 10, 0, 0, 0);  // 50 + 10 + 2 = 62
  Alle_Aromen_HundertProzentN_Rueckrechnen(app());
  expectRec(5, 50, 20, 10, 0, 0, 0);
  EXPECT_EQ(status(), text(Msg::Msg_NE2_Status) + " - NEA-A5 - ");
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(NicotineFlavours, BackLeavesARecordWithoutNicotineAlone) {
  composition(6, 50, 0, 10, 0, 0, 0);  // does not add up, but N is 0
  setStatus("");
  Alle_Aromen_HundertProzentN_Rueckrechnen(app());
  expectRec(6, 50, 0, 10, 0, 0, 0);
  EXPECT_EQ(status(), "");
}

TEST_F(NicotineFlavours, EveryRecordIsConvertedAndReportsOnItsOwn) {
  // Records 1 to 7 in order: the last failure's status stays.
  composition(2, 50, 10, 0, 0, 0, 0);  // fails
  composition(6, 40, 10, 0, 0, 0, 0);  // fails
  Alle_Aromen_HundertProzentN_Umrechnen(app());
  EXPECT_EQ(takeBoxes().size(), 2u);
  EXPECT_EQ(status(), text(Msg::Msg_NH2_Status) + " - NHA-A6 - ");
  // The defaults, A 100, become 100 x 100 / 100 = 100 (N 0).
  expectRec(7, 100, 0, 0, 0, 0, 0);
}

TEST_F(NicotineFlavours, PlainFormConvertsWithoutRounding) {
  // A 33,33, N 10, PG 66,67: 99 x 33,33 / 100 = 32,9967 and 66,0033, where
  // the rounding form gives 33 and 66; back 32,9967 x 100 / 99 = 33,33.
  composition(1, 33.33, 10, 66.67, 0, 0, 0);
  EXPECT_TRUE(Aroma_Nr_HundertProzentN_Umrechnen(app(), 1).converted());
  EXPECT_DOUBLE_EQ(rec(1).A, 32.9967);
  EXPECT_DOUBLE_EQ(rec(1).PG, 66.0033);
  EXPECT_EQ(rec(1).N, 10);
  EXPECT_TRUE(Aroma_Nr_HundertProzentN_Rueckrechnen(app(), 1).converted());
  EXPECT_DOUBLE_EQ(rec(1).A, 33.33);
  EXPECT_DOUBLE_EQ(rec(1).PG, 66.67);
}

TEST_F(NicotineFlavours, PlainFormChecksTheRoundedParts) {
  // A 30, N 12, PG 20,5, VG 49,5 into the view: 29,64 / 20,254 / 48,906,
  // whose unrounded sum with 1,2 misses 100 in the last bit; rounded to two
  // decimals it is 100, so the way back is not refused.
  composition(2, 30, 12, 20.5, 49.5, 0, 0);
  Aroma_Nr_HundertProzentN_Umrechnen(app(), 2);
  EXPECT_TRUE(Aroma_Nr_HundertProzentN_Rueckrechnen(app(), 2).converted());
  EXPECT_DOUBLE_EQ(rec(2).A, 30);
  EXPECT_DOUBLE_EQ(rec(2).PG, 20.5);
  EXPECT_DOUBLE_EQ(rec(2).VG, 49.5);
}

TEST_F(NicotineFlavours, PlainFormReportsWithoutTrailingSeparator) {
  messageBoxesOff(true);
  composition(5, 50, 0, 0, 0, 0, 0);
  EXPECT_EQ(Aroma_Nr_HundertProzentN_Umrechnen(app(), 5).code, "NH-2");
  EXPECT_EQ(status(), text(Msg::Msg_NH2_Status) + " - NHA-A5");
  expectRec(5, 50, 0, 0, 0, 0, 0);
  // N 0 is converted like any other in the plain form: here refused.
  EXPECT_EQ(Aroma_Nr_HundertProzentN_Rueckrechnen(app(), 5).code, "NE-2");
  EXPECT_EQ(status(), text(Msg::Msg_NE2_Status) + " - NEA-A5");
}

TEST_F(NicotineFlavours, PlainFormIgnoresRecordsOutsideTheTable) {
  composition(1, 50, 0, 0, 0, 0, 0);
  setStatus("");
  EXPECT_EQ(Aroma_Nr_HundertProzentN_Umrechnen(app(), 0).status, ConvStatus::NothingToDo);
  EXPECT_EQ(Aroma_Nr_HundertProzentN_Rueckrechnen(app(), 8).status, ConvStatus::NothingToDo);
  EXPECT_EQ(status(), "");
}

}  // namespace
}  // namespace mirl::testing_conv
