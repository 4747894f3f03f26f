#include "model_fixture.h"

namespace mirl::testing_model {
namespace {

using Wiring = ModelTest;

TEST_F(Wiring, LeavingANumericFieldRefreshesOnceAndNeverKeepsTheFocus) {
  rt::TextBox* fields[] = {base(PG_N_Basis).txt_Menge, base(VPG_Basis).txt_Preis_100_ml, row(7).txt_Aroma_Menge_ml,
                           row(3).txt_Aroma_Preis, f().txt_Berechnung_Prozent_Sonst, f().txt_Live_Preis_Zusatzkosten};
  liveMode(true);
  for (rt::TextBox* t : fields) {
    t->setEnabled(true);
    ASSERT_TRUE(t->SetFocus()) << t->fullName();
    t->typeText("abc", 3);
    const auto before = app().refreshCount;
    EXPECT_TRUE(f().leaveFocus()) << t->fullName();
    EXPECT_EQ(app().refreshCount, before + 1) << t->fullName();
  }
}

TEST_F(Wiring, ClicksOfBaseBoxesModeAndListsRefresh) {
  auto before = app().refreshCount;
  base(VG_Basis).chk->setValue(base(VG_Basis).chk->Value() == 1 ? 0 : 1);
  liveMode(true);
  f().cbo_Preis_Live->setListIndex(2);
  base(PG_Basis).cbo_Preis->setListIndex(3);
  EXPECT_EQ(app().refreshCount, before + 4);

  before = app().refreshCount;
  row(2).cbo_Aroma_Preis_Menge->setListIndex(4);  // the flavour lists have no handler
  EXPECT_EQ(app().refreshCount, before);
}

}  // namespace
}  // namespace mirl::testing_model
