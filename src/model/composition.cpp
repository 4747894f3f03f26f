#include "model/composition.h"

#include "model/field_value.h"

namespace mirl {

void readTarget(const FrmMain& f, Composition& c) {
  readField(*f.txt_Berechnung_Prozent_N, c.N);
  readField(*f.txt_Berechnung_Prozent_PG, c.PG);
  readField(*f.txt_Berechnung_Prozent_VG, c.VG);
  readField(*f.txt_Berechnung_Prozent_Wasser, c.W);
  readField(*f.txt_Berechnung_Prozent_Sonst, c.S);
  readField(*f.txt_Berechnung_Menge, c.amount);
}

Composition readTarget(const FrmMain& f) {
  Composition c;
  readTarget(f, c);
  return c;
}

void readBase(const BaseSlot& b, Composition& c) {
  readField(*b.txt_mg_ml, c.N);
  readField(*b.txt_PG_Prozent, c.PG);
  readField(*b.txt_VG_Prozent, c.VG);
  readField(*b.txt_Wasser_Prozent, c.W);
  readField(*b.txt_Sonst_Prozent, c.S);
  readField(*b.txt_Menge, c.amount);
}

Composition readBase(const BaseSlot& b) {
  Composition c;
  readBase(b, c);
  return c;
}

}  // namespace mirl
