#include "flavours/flavour_table.h"

namespace mirl {

void Aromen_Tabelle_Standardwerte(FlavourTable& t) {
  for (int k = 1; k <= 7; ++k) {
    t.Aromen_Tabelle[static_cast<size_t>(k)] = Aromenzusammensetzung{100, 0, 0, 0, 0, 0};
  }
  t.dpA_Name = ".......";
}

}  // namespace mirl
