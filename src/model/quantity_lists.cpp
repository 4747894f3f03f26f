#include "model/quantity_lists.h"

#include <array>

#include "context/app.h"

namespace mirl {

namespace {

struct Quantity {
  const char* text;
  long ml;
};

constexpr std::array<Quantity, kQuantityEntries> kQuantities = {{
    {"1 ml", 1},
    {"5 ml", 5},
    {"10 ml", 10},
    {"20 ml", 20},
    {"30 ml", 30},
    {"50 ml", 50},
    {"100 ml", 100},
    {"200 ml", 200},
    {"250 ml", 250},
    {"500 ml", 500},
    {"1 Liter", 1000},
    {"2,5 Liter", 2500},
    {"5 Liter", 5000},
    {"10 Liter", 10000},
}};
static_assert(kQuantities[kQuantity1ml].ml == 1 && kQuantities[kQuantity5ml].ml == 5 &&
              kQuantities[kQuantity100ml].ml == 100 && kQuantities[kQuantity5Litres].ml == 5000);

}  // namespace

void Mengenauswahl_Liste_Fuellen(rt::ComboBox& list, int index) {
  for (const Quantity& q : kQuantities) {
    list.AddItem(q.text);
    list.setItemData(list.NewIndex(), q.ml);
  }
  // An index outside the list cannot be selected; the selection stays.
  if (index >= -1 && index < list.ListCount()) list.setListIndex(index);
}

void Mengenauswahl_Fuellen(App& app) {
  FrmMain& f = app.main();
  for (BaseSlot& b : f.basis) Mengenauswahl_Liste_Fuellen(*b.cbo_Preis, kQuantity100ml);
  Mengenauswahl_Liste_Fuellen(*f.cbo_Preis_Live, kQuantity100ml);
  Mengenauswahl_Liste_Fuellen(*f.cbo_Preis_Berechnung, kQuantity100ml);
  for (int k : kFlavourRowNumbers) {
    Mengenauswahl_Liste_Fuellen(*f.aroma[k].cbo_Aroma_Preis_Menge, kQuantity1ml);
  }
}

}  // namespace mirl
