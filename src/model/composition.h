#pragma once
// A composition as the main window's fields give it: the target, a base.
// Each field is read on its own with the decimal comma; a field that gives
// no number leaves its value as it was (the reading statement is skipped),
// which is 0 for a composition read afresh.
#include "model/frm_main.h"

namespace mirl {

struct Composition {
  double N = 0;       // nicotine strength, mg/ml
  double PG = 0;      // %
  double VG = 0;      // %
  double W = 0;       // water, %
  double S = 0;       // other, %
  double amount = 0;  // ml
};

// The target: the five txt_Berechnung_Prozent_* fields and the total amount
// txt_Berechnung_Menge.
void readTarget(const FrmMain& f, Composition& c);
Composition readTarget(const FrmMain& f);

// A base slot: its strength, its four shares and its amount.
void readBase(const BaseSlot& b, Composition& c);
Composition readBase(const BaseSlot& b);

}  // namespace mirl
