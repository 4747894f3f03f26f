#include "model/base_prices.h"
#include "model/quantity_lists.h"
#include "model_fixture.h"

namespace mirl::testing_model {
namespace {

using BasePrices = ModelTest;

TEST_F(BasePrices, SubtotalIsAmountPerReferenceQuantityTimesPrice) {
  struct Case {
    const char* amount;
    const char* price;
    int quantity;  // list index
    const char* subtotal;
  };
  const Case cases[] = {
      {"50", "12,00", 6, "6,00"},     // 100 ml
      {"250", "20,00", 10, "5,00"},   // 1 Liter
      {"1", "3,00", 0, "3,00"},       // 1 ml
      {"0", "3,00", 0, "0,00"},       // amount 0 is a valid subtotal
      {"99999", "7.777,00", 0, "0"},  // above 77 777
      {"2000", "1.234,56", 9, "4.938,24"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.amount) + " / " + c.price);
    BaseSlot& b = base(VPG_N_Basis);
    tickSilently(b.chk, 0);  // unticked bases get their subtotal too
    b.txt_Menge->setText(c.amount);
    b.txt_Preis_100_ml->setText(c.price);
    b.cbo_Preis->setListIndex(c.quantity);  // its Click refreshes
    refresh();
    EXPECT_EQ(b.txtl_Preis_Summe->Text(), c.subtotal);
  }
}

TEST_F(BasePrices, SubtotalKeepsItsTextWhenItCannotBeComputed) {
  BaseSlot& b = base(VG_Basis);
  b.txtl_Preis_Summe->setText("4,5");
  b.cbo_Preis->setListIndex(-1);  // nothing selected
  Basis_Preis_Summen_Berechnen(app());
  EXPECT_EQ(b.txtl_Preis_Summe->Text(), "4,50");  // kept, then normalised

  b.cbo_Preis->setListIndex(3);
  b.cbo_Preis->setItemData(3, 0);  // a reference quantity of 0 divides nothing
  b.txtl_Preis_Summe->setText("7");
  Basis_Preis_Summen_Berechnen(app());
  EXPECT_EQ(b.txtl_Preis_Summe->Text(), "7,00");

  b.cbo_Preis->setItemData(3, 20);
  b.txt_Menge->setText("x");
  Basis_Preis_Summen_Berechnen(app());
  EXPECT_EQ(b.txtl_Preis_Summe->Text(), "7,00");
}

TEST_F(BasePrices, EmptyListSkipsTheBaseEntirely) {
  BaseSlot& b = base(PG_N_Basis);
  b.cbo_Preis->Clear();
  b.txtl_Preis_Summe->setText("abc");
  Basis_Preis_Summen_Berechnen(app());
  EXPECT_EQ(b.txtl_Preis_Summe->Text(), "abc");  // not even normalised
}

}  // namespace
}  // namespace mirl::testing_model
