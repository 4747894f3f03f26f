#include "flavours/flavour_table.h"

namespace mirl {

void Aromen_Tabelle_Standardwerte(FlavourTable& t) {
  for (int k : kFlavourRowNumbers) {
    t.Aromen_Tabelle[k] = Aromenzusammensetzung{100, 0, 0, 0, 0, 0};
  }
  t.dpA_Name = ".......";
}

}  // namespace mirl
