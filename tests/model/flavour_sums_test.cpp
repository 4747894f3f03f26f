#include <gtest/gtest.h>

#include "model/flavour_sums.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

// Flavour rows set directly (no click handlers), so each sum sees exactly
// the ticks, percentages and compositions given.
class FlavourSums : public ::testing::Test {
 protected:
  void row(int k, int tick, const std::string& percent, double a = 100) {
    FlavourRow& r = t.main().aroma[k];
    r.chk_Aroma->setValueSilently(tick);
    r.txt_Aroma_Menge->setText(percent);
    t.app().flavours.Aromen_Tabelle[k].A = a;
  }
  void untickAll() {
    for (int k : kFlavourRowNumbers) row(k, 0, "0");
  }
  App& app() { return t.app(); }

  testkit::TestApp t;
};

TEST_F(FlavourSums, NothingTickedGivesZeroEverywhere) {
  untickAll();
  row(2, 0, "12");  // a value in an unticked row does not count
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 0);
  EXPECT_EQ(Summe_Reinaroma_Prozent(app()), 0);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Anzeige(app()), 0);
  EXPECT_EQ(Summe_Aromen_Prozent_Alt(app(), 2), 0);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Alt(app(), 2), 0);
}

TEST_F(FlavourSums, SubstanceShareWeightsByFieldA) {
  for (double a : {100.0, 60.0, 0.0}) {
    untickAll();
    row(4, 1, "5", a);
    EXPECT_EQ(Summe_Aromen_Prozent(app()), 5);
    EXPECT_EQ(Summe_Reinaroma_Prozent(app()), 5 * a / 100) << "A = " << a;
  }
}

TEST_F(FlavourSums, BeforeClickInvertsTheClickedRow) {
  untickAll();
  row(1, 1, "2");
  row(3, 1, "4");  // just ticked
  EXPECT_EQ(Summe_Aromen_Prozent_Vor_Klick(app(), 3), 2);
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 6);

  row(3, 0, "4", 50);  // just unticked instead
  EXPECT_EQ(Summe_Aromen_Prozent_Vor_Klick(app(), 3), 6);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Vor_Klick(app(), 3), 4);  // 2 + 4 * 50 / 100
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 2);
}

TEST_F(FlavourSums, PreviousPercentageReplacesTheRowsField) {
  untickAll();
  row(2, 1, "5", 40);
  row(4, 1, "1");
  app().conv.Aroma_Menge_Alt[2] = 3;
  EXPECT_EQ(Summe_Aromen_Prozent_Alt(app(), 2), 4);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Alt(app(), 2), 3 * 40.0 / 100 + 1);
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 6);

  row(2, 0, "5", 40);  // an unticked row's previous value is not counted
  EXPECT_EQ(Summe_Aromen_Prozent_Alt(app(), 2), 1);
}

TEST_F(FlavourSums, FieldThatIsNoNumberOrRowThatIsGreyIsSkipped) {
  untickAll();
  row(4, 2, "5");  // grey: only the value 1 counts as ticked
  row(1, 1, "");
  row(2, 1, "abc");
  row(3, 1, "1,5");
  row(7, 1, "2");
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 3.5);
  EXPECT_EQ(Summe_Reinaroma_Prozent(app()), 3.5);
}

TEST_F(FlavourSums, DisplaySumIsRoundedToTwoDecimals) {
  untickAll();
  row(1, 1, "7", 33.33);
  EXPECT_EQ(Summe_Reinaroma_Prozent(app()), 7 * 33.33 / 100);
  EXPECT_NE(Summe_Reinaroma_Prozent(app()), 2.33);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Anzeige(app()), 2.33);
}

TEST_F(FlavourSums, SumsAreNotCapped) {
  for (int k : kFlavourRowNumbers) row(k, 1, "100");
  EXPECT_EQ(Summe_Aromen_Prozent(app()), 700);
  EXPECT_EQ(Summe_Reinaroma_Prozent_Anzeige(app()), 700);
}

}  // namespace
}  // namespace mirl
