#include "conversions/flavour_contributions.h"

#include "context/app.h"
#include "model/field_value.h"

namespace mirl {

namespace {

enum class Field { PG, VG, W, S, N };
enum class Family { Plain, BeforeClick, Previous };

double fieldOf(const Aromenzusammensetzung& rec, Field field) {
  switch (field) {
    case Field::PG: return rec.PG;
    case Field::VG: return rec.VG;
    case Field::W: return rec.W;
    case Field::S: return rec.S;
    case Field::N: return rec.N;
  }
  return 0;
}

// x is the flavour total that the scaled families divide by; the plain
// family ignores it.
double contribution(const App& app, Field field, Family family, double x, int index) {
  const FrmMain& f = app.main();
  double sum = 0;
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& row = f.aroma[k];
    const int tick = row.chk_Aroma->Value();
    const bool counts = family == Family::BeforeClick ? (k != index && tick == 1) || (k == index && tick == 0)
                                                      : tick == 1;
    if (!counts) continue;

    double P = 0;
    if (family == Family::Previous && k == index) {
      P = app.conv.Aroma_Menge_Alt[k];
    } else if (!readField(*row.txt_Aroma_Menge, P)) {
      continue;  // no number: the row adds nothing
    }

    const double F = fieldOf(app.flavours.Aromen_Tabelle[k], field);
    double term = 0;
    if (family == Family::Plain) {
      term = field == Field::N ? ((P * (F / 10)) / 100) * 10 : (P * F) / 100;
    } else if (field == Field::N) {
      const double s = ((F / 10) * 100) / (100 - x);
      term = ((P * s) / 100) * 10;
    } else {
      const double s = (F * 100) / (100 - x);
      term = (P * s) / 100;
    }
    sum = sum + term;
  }
  return sum;
}

}  // namespace

double Summe_Aromen_PG(App& app) { return contribution(app, Field::PG, Family::Plain, 0, 0); }
double Summe_Aromen_VG(App& app) { return contribution(app, Field::VG, Family::Plain, 0, 0); }
double Summe_Aromen_Wasser(App& app) { return contribution(app, Field::W, Family::Plain, 0, 0); }
double Summe_Aromen_Sonst(App& app) { return contribution(app, Field::S, Family::Plain, 0, 0); }
double Summe_Aromen_N(App& app) { return contribution(app, Field::N, Family::Plain, 0, 0); }

double Summe_Aromen_PG_Vor_Klick(App& app, double x, int i) {
  return contribution(app, Field::PG, Family::BeforeClick, x, i);
}
double Summe_Aromen_VG_Vor_Klick(App& app, double x, int i) {
  return contribution(app, Field::VG, Family::BeforeClick, x, i);
}
double Summe_Aromen_Wasser_Vor_Klick(App& app, double x, int i) {
  return contribution(app, Field::W, Family::BeforeClick, x, i);
}
double Summe_Aromen_Sonst_Vor_Klick(App& app, double x, int i) {
  return contribution(app, Field::S, Family::BeforeClick, x, i);
}
double Summe_Aromen_N_Vor_Klick(App& app, double x, int i) {
  return contribution(app, Field::N, Family::BeforeClick, x, i);
}

double Summe_Aromen_PG_Alt(App& app, double x, int i) { return contribution(app, Field::PG, Family::Previous, x, i); }
double Summe_Aromen_VG_Alt(App& app, double x, int i) { return contribution(app, Field::VG, Family::Previous, x, i); }
double Summe_Aromen_Wasser_Alt(App& app, double x, int i) {
  return contribution(app, Field::W, Family::Previous, x, i);
}
double Summe_Aromen_Sonst_Alt(App& app, double x, int i) {
  return contribution(app, Field::S, Family::Previous, x, i);
}
double Summe_Aromen_N_Alt(App& app, double x, int i) { return contribution(app, Field::N, Family::Previous, x, i); }

}  // namespace mirl
