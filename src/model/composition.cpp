#include "model/composition.h"

#include <array>

#include "model/field_value.h"

namespace mirl {

namespace {

// The fields of a composition, in the order of its members.
using Fields = std::array<const rt::TextBox*, 6>;
constexpr std::array<double Composition::*, 6> kMembers = {&Composition::N, &Composition::PG, &Composition::VG,
                                                           &Composition::W, &Composition::S, &Composition::amount};

void read(const Fields& fields, Composition& c) {
  for (std::size_t i = 0; i < fields.size(); ++i) readField(*fields[i], c.*kMembers[i]);
}

Fields targetFields(const FrmMain& f) {
  const auto t = f.targetFields();
  return {t[0], t[1], t[2], t[3], t[4], f.txt_Berechnung_Menge};
}

Fields baseFields(const BaseSlot& b) {
  return {b.txt_mg_ml, b.txt_PG_Prozent, b.txt_VG_Prozent, b.txt_Wasser_Prozent, b.txt_Sonst_Prozent, b.txt_Menge};
}

}  // namespace

void readTarget(const FrmMain& f, Composition& c) { read(targetFields(f), c); }
void readBase(const BaseSlot& b, Composition& c) { read(baseFields(b), c); }

Composition readTarget(const FrmMain& f) {
  Composition c;
  readTarget(f, c);
  return c;
}

Composition readBase(const BaseSlot& b) {
  Composition c;
  readBase(b, c);
  return c;
}

}  // namespace mirl
