#pragma once
// The flavour-composition table: what each of the seven flavour liquids
// consists of, and the name of the set.
#include <string>

#include "model/flavour_rows.h"

namespace mirl {

struct Aromenzusammensetzung {
  double A = 0;   // flavour substance, % of the flavour liquid
  double N = 0;   // nicotine, mg/ml
  double PG = 0;  // %
  double VG = 0;  // %
  double W = 0;   // water, %
  double S = 0;   // other, %
  bool operator==(const Aromenzusammensetzung&) const = default;
};

struct FlavourTable {
  // Records 1 to 7.
  FlavourRows<Aromenzusammensetzung> Aromen_Tabelle{};
  std::string dpA_Name;
  // The flavour-share box was ticked when the flavour window opened (the
  // opening takes the share out; the closing puts it back).
  bool AllAromaProzent_War_Aktiv = false;
};

// Every record A 100 and the rest 0; the name "......." .
void Aromen_Tabelle_Standardwerte(FlavourTable& t);

}  // namespace mirl
