#include "conversions/nicotine_groups.h"

#include "context/app.h"
#include "conversions/conversion_messages.h"
#include "conversions/rounding.h"
#include "model/field_value.h"
#include "model/sum_checks.h"
#include "runtime/number.h"
#include "support/status_line.h"

namespace mirl {

namespace {

struct Values {
  double N = 0, PG = 0, VG = 0, W = 0, S = 0;
};

// A text that is no number reads as 0.
Values readGroup(const NicotineGroup& g) {
  return {fieldOr(*g.strength, 0), fieldOr(*g.pg, 0), fieldOr(*g.vg, 0), fieldOr(*g.water, 0), fieldOr(*g.other, 0)};
}

// All five fields, the strength included, as plain decimal text.
void writeGroup(const NicotineGroup& g, const Values& v) {
  g.strength->setText(rt::num::plain(v.N));
  g.pg->setText(rt::num::plain(v.PG));
  g.vg->setText(rt::num::plain(v.VG));
  g.water->setText(rt::num::plain(v.W));
  g.other->setText(rt::num::plain(v.S));
}

double notBelowZero(double x) { return x < 0 ? 0 : x; }

}  // namespace

ConvResult Nikotin_Hinzurechnen_NH(App& app, const NicotineGroup& g) {
  Values v = readGroup(g);
  ConvResult result{ConvStatus::Converted, {}};
  if (!makesHundred(v.PG + v.VG + v.W + v.S)) {
    reportConversionError(app, Msg::Msg_NH2_Text, Msg::Msg_NH2_Titel, Msg::Msg_NH2_Status);
    result = {ConvStatus::Refused, "NH-2"};
  } else {
    for (double* x : {&v.PG, &v.VG, &v.W, &v.S}) *x = notBelowZero(r2(((100 - v.N / 10) * *x) / 100));
  }
  writeGroup(g, v);
  return result;
}

ConvResult Nikotin_Herausrechnen_NE(App& app, const NicotineGroup& g) {
  Values v = readGroup(g);
  ConvResult result{ConvStatus::Converted, {}};
  if (!makesHundred(v.N / 10 + v.PG + v.VG + v.W + v.S)) {
    reportConversionError(app, Msg::Msg_NE2_Text, Msg::Msg_NE2_Titel, Msg::Msg_NE2_Status);
    result = {ConvStatus::Refused, "NE-2"};
  } else if (const double rest = 100 - v.N / 10; rest != 0) {
    // (A strength of 1000 mg/ml leaves no rest to divide by; only an
    // unvalidated field can hold it.)
    for (double* x : {&v.PG, &v.VG, &v.W, &v.S}) *x = notBelowZero(r2((*x * 100) / rest));
    // The four percentages alone must now make exactly 100; a difference
    // left by the rounding is compensated, the strength stays.
    const Values before = v;
    Rundungsfehler_Ausgleichen(v.PG, v.VG, v.W, v.S, 0);
    for (double* x : {&v.PG, &v.VG, &v.W, &v.S}) *x = r2(*x);
    if (v.PG != before.PG || v.VG != before.VG || v.W != before.W || v.S != before.S) {
      Statusleiste_Text(app, app.texts[Msg::Msg_NE_Rundung_Status]);
    }
  }
  writeGroup(g, v);
  return result;
}

}  // namespace mirl
