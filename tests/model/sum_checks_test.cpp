#include "model/sum_checks.h"
#include "model_fixture.h"
#include "runtime/number.h"

namespace mirl::testing_model {
namespace {

using SumChecks = ModelTest;

void expectLabels(std::initializer_list<rt::Label*> labels, rt::Color color, const std::string& tip) {
  for (rt::Label* l : labels) {
    EXPECT_EQ(l->ForeColor(), color) << l->fullName();
    EXPECT_EQ(l->ToolTipText(), tip) << l->fullName();
  }
}

// The comparison every sum check shares: the noise of the double addition
// passes, 0,01 off fails and shows as 0,01.
TEST(ShownSum, NoisePassesAHundredthDoesNot) {
  const double below = 68.74 + 29.46 + 1.8;  // 99.99999999999999
  const double above = 59.28 + 39.52 + 1.2;  // 100.00000000000001
  ASSERT_NE(below, 100);
  ASSERT_NE(above, 100);
  EXPECT_TRUE(makesHundred(below));
  EXPECT_TRUE(makesHundred(above));
  EXPECT_FALSE(makesHundred(99.99));
  EXPECT_FALSE(makesHundred(100.01));
  EXPECT_EQ(rt::num::format(100 - shownSum(70 + 29.99), "##0.00"), "0,01");

  const double flavours = 0.01 + 65.4 + 33.59;  // 99.00000000000001
  ASSERT_GT(flavours, 99);
  EXPECT_FALSE(flavoursAboveLimit(flavours));
  EXPECT_FALSE(flavoursAboveLimit(99));
  EXPECT_TRUE(flavoursAboveLimit(99.01));
}

TEST_F(SumChecks, BaseGroupComparesAtTwoDecimals) {
  struct Case {
    const char *pg, *vg, *w, *s;
    rt::Color color;
    const char* tip;
  };
  const Case cases[] = {
      {"70", "30", "0", "0", kSumNormal, ""},
      {"70", "20", "0", "0", kSumRed, "Es fehlen noch 10,00%"},
      {"80", "30", "0", "0", kSumRed, "10,00% zu viel"},
      {"49,9", "49,9", "0,1", "0,1", kSumNormal, ""},  // just below 100 in doubles
      {"33,3", "33,3", "33,4", "0", kSumNormal, ""},
      {"0", "0", "0", "0", kSumRed, "Es fehlen noch 100,00%"},
      {"100", "100", "100", "100", kSumRed, "300,00% zu viel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pg) + " " + c.vg + " " + c.w + " " + c.s);
    basePercents(PG_Basis, c.pg, c.vg, c.w, c.s, "20");
    tickSilently(base(PG_Basis).chk, 0);  // checked whether ticked or not
    refresh();
    BaseSlot& b = base(PG_Basis);
    expectLabels({b.lbl_PG_Prozent, b.lbl_VG_Prozent, b.lbl_Wasser_Prozent, b.lbl_Sonst_Prozent}, c.color, c.tip);
    expectLabels({b.lbl_mg_ml}, kSumNormal, "");  // nicotine option off
  }
}

TEST_F(SumChecks, NicotineOptionCountsStrengthIntoBaseAndTarget) {
  basePercents(VG_N_Basis, "50", "48", "0", "0", "20");
  f().txt_Berechnung_Prozent_N->setText("20");
  f().txt_Berechnung_Prozent_PG->setText("50");
  f().txt_Berechnung_Prozent_VG->setText("48");
  f().txt_Berechnung_Prozent_Wasser->setText("0");
  f().txt_Berechnung_Prozent_Sonst->setText("0");
  f().chk_AllAromaProzent->setValueSilently(0);
  BaseSlot& b = base(VG_N_Basis);

  f().mnu_Service_HundertProzentN->setChecked(true);
  refresh();
  expectLabels({b.lbl_mg_ml, b.lbl_PG_Prozent, b.lbl_Sonst_Prozent}, kSumNormal, "");
  expectLabels({f().lbl_Berechnung_Prozent_N, f().lbl_Berechnung_Prozent_PG}, kSumNormal, "");

  b.txt_VG_Prozent->setText("40");
  f().txt_Berechnung_Prozent_VG->setText("40");
  refresh();
  expectLabels({b.lbl_mg_ml, b.lbl_VG_Prozent}, kSumRed, "Es fehlen noch 8,00%");
  expectLabels({f().lbl_Berechnung_Prozent_N, f().lbl_Berechnung_Prozent_Sonst}, kSumRed, "Es fehlen noch 8,00%");

  // Switched off: the strength no longer counts and its labels lose any mark.
  f().mnu_Service_HundertProzentN->setChecked(false);
  refresh();
  expectLabels({b.lbl_mg_ml, f().lbl_Berechnung_Prozent_N}, kSumNormal, "");
  expectLabels({b.lbl_VG_Prozent}, kSumRed, "Es fehlen noch 10,00%");
  expectLabels({f().lbl_Berechnung_Prozent_VG}, kSumRed, "Es fehlen noch 10,00%");
}

TEST_F(SumChecks, TargetCountsTheFlavourShareWhileItsBoxIsTicked) {
  f().txt_Berechnung_Prozent_PG->setText("30");
  f().txt_Berechnung_Prozent_VG->setText("60");
  f().txt_Berechnung_Prozent_Wasser->setText("0");
  f().txt_Berechnung_Prozent_Sonst->setText("0");
  for (int k : kFlavourRowNumbers) tickSilently(row(k).chk_Aroma, 0);
  tickSilently(row(1).chk_Aroma, 1);
  row(1).txt_Aroma_Menge->setText("10");  // A = 100: share 10

  f().chk_AllAromaProzent->setValueSilently(1);
  refresh();
  expectLabels({f().lbl_Berechnung_AllAromen_Prozent, f().lbl_Berechnung_Prozent_PG}, kSumNormal, "");

  f().chk_AllAromaProzent->setValueSilently(0);
  refresh();
  expectLabels({f().lbl_Berechnung_Prozent_PG, f().lbl_Berechnung_Prozent_VG, f().lbl_Berechnung_Prozent_Wasser,
                f().lbl_Berechnung_Prozent_Sonst},
               kSumRed, "Es fehlen noch 10,00%");
  expectLabels({f().lbl_Berechnung_AllAromen_Prozent, f().lbl_Berechnung_Prozent_N}, kSumNormal, "");
}

TEST_F(SumChecks, FlavourTotalAbove99MarksEveryTickedRow) {
  for (int k : kFlavourRowNumbers) {
    tickSilently(row(k).chk_Aroma, 0);
    row(k).txt_Aroma_Menge->setText("50");
  }
  tickSilently(row(2).chk_Aroma, 1);
  tickSilently(row(4).chk_Aroma, 1);
  row(2).txt_Aroma_Menge->setText("49");
  refresh();  // exactly 99 passes
  expectLabels({row(2).lbl_Aroma_Mengenbezeichnung, row(4).lbl_Aroma_Mengenbezeichnung}, kSumNormal, "");

  row(2).txt_Aroma_Menge->setText("49,5");
  refresh();
  expectLabels({row(2).lbl_Aroma_Mengenbezeichnung, row(4).lbl_Aroma_Mengenbezeichnung}, kSumRed, "0,50% zu viel");
  expectLabels({row(1).lbl_Aroma_Mengenbezeichnung, row(3).lbl_Aroma_Mengenbezeichnung}, kSumNormal, "");
}

}  // namespace
}  // namespace mirl::testing_model
