#include <cstdlib>

#include "model/quantity_lists.h"
#include "model_fixture.h"

namespace mirl::testing_model {
namespace {

TEST(StartUp, FillingTheListsRunsEightRefreshesThenTheFinalOne) {
  testkit::TestApp t(false);
  EXPECT_EQ(t.app().refreshCount, 0u);
  t.app().start();
  // Eight single lists go from no selection to "100 ml", each Click one
  // refresh; the flavour lists have no handler; the start-up's own refresh.
  EXPECT_EQ(t.app().refreshCount, 9u);
}

TEST(StartUp, SetsFlagsFactorsAndCentresTheProgressBar) {
  testkit::TestApp t;
  App& a = t.app();
  EXPECT_FALSE(a.solver.Vorschlaege_Vorhanden);
  EXPECT_FALSE(a.solver.Annaeherung_Aktiv);
  EXPECT_TRUE(a.model.Live_Mix_Markierung);
  EXPECT_EQ(a.model.Viskositaet_PG, 60.0);
  EXPECT_EQ(a.model.Viskositaet_VG, 1480.0);
  EXPECT_EQ(a.model.Viskositaet_Wasser, 1.0);
  EXPECT_EQ(a.model.Viskositaet_Sonst, 1.0);
  const FrmMain& f = t.main();
  const int gap = f.ProgressBar1->Top() - f.StatusBar1->Top();
  const int rest = f.StatusBar1->Height() - f.ProgressBar1->Height() - gap;
  EXPECT_LE(std::abs(gap - rest), 1);
}

TEST(QuantityLists, RefillingAppendsAndCountsTheIndexFromTheFirstEntry) {
  testkit::TestApp t;
  rt::ComboBox& list = *t.main().cbo_Preis_Live;
  const auto before = t.app().refreshCount;
  Mengenauswahl_Liste_Fuellen(list, kQuantityEntries + kQuantity100ml);
  EXPECT_EQ(list.ListCount(), 2 * kQuantityEntries);
  EXPECT_EQ(list.ListIndex(), kQuantityEntries + kQuantity100ml);
  EXPECT_EQ(list.Text(), "100 ml");
  EXPECT_EQ(t.app().refreshCount, before + 1);  // the selection changed

  Mengenauswahl_Liste_Fuellen(list, 99);  // no such entry: selection stays
  EXPECT_EQ(list.ListIndex(), kQuantityEntries + kQuantity100ml);
}

}  // namespace
}  // namespace mirl::testing_model
