#include "conversions/nicotine_flavours.h"

#include <array>
#include <string>

#include "context/app.h"
#include "conversions/conversion_messages.h"
#include "conversions/rounding.h"
#include "model/sum_checks.h"

namespace mirl {

namespace {

// The five parts of a composition that the conversions rescale, in the
// order they are converted.
struct Parts {
  double* A;
  double* PG;
  double* VG;
  double* W;
  double* S;
  std::array<double*, 5> all() const { return {A, PG, VG, W, S}; }
};

enum class Form { Rounding, Plain };

// " - NHA-A3 - " (rounding form) or " - NHA-A3" (plain form).
std::string suffix(const char* code, int k, Form form) {
  std::string s = std::string(" - ") + code + std::to_string(k);
  if (form == Form::Rounding) s += " - ";
  return s;
}

ConvResult refuseInto(App& app, int k, Form form) {
  reportConversionError(app, Msg::Msg_NH2_Text, Msg::Msg_NH2_Titel, Msg::Msg_NH2_Status, suffix("NHA-A", k, form));
  return {ConvStatus::Refused, "NH-2"};
}

ConvResult refuseOutOf(App& app, int k, Form form) {
  reportConversionError(app, Msg::Msg_NE2_Text, Msg::Msg_NE2_Titel, Msg::Msg_NE2_Status, suffix("NEA-A", k, form));
  return {ConvStatus::Refused, "NE-2"};
}

// Each part rounded to two decimals before it is added, and the sum taken
// as the flavour window's check takes it, so that a valid composition
// (88,2 + 2 + 4,9 + 4,9) is not refused for a last-bit difference.
double roundedSum(const Parts& p) { return r2(*p.A) + r2(*p.PG) + r2(*p.VG) + r2(*p.W) + r2(*p.S); }
bool addsUpWithoutNicotine(const Parts& p) { return makesHundred(roundedSum(p)); }
bool addsUpWithNicotine(const Parts& p, double N) { return makesHundred(roundedSum(p) + r2(N / 10)); }

void roundParts(const Parts& p) {
  for (double* x : {p.PG, p.VG, p.W, p.S, p.A}) *x = r2(*x);
}

// Round, compensate, round, compensate, round; rest() is formed anew for
// each compensation.
template <class Rest>
void finish(const Parts& p, Rest rest) {
  roundParts(p);
  for (int pass = 0; pass < 2; ++pass) {
    Rundungsfehler_Ausgleichen(*p.PG, *p.VG, *p.W, *p.S, rest());
    roundParts(p);
  }
}

double notBelowZero(double x) { return x < 0 ? 0 : x; }

ConvResult into(App& app, const Parts& p, double N, int k, Form form) {
  if (!addsUpWithoutNicotine(p)) return refuseInto(app, k, form);
  for (double* x : p.all()) {
    const double v = ((100 - N / 10) * *x) / 100;
    *x = form == Form::Rounding ? notBelowZero(r2(v)) : v;
  }
  return {ConvStatus::Converted, {}};
}

ConvResult outOf(App& app, const Parts& p, double N, int k, Form form) {
  if (!addsUpWithNicotine(p, N)) return refuseOutOf(app, k, form);
  const double rest = 100 - N / 10;
  // Only a strength of 1000 mg/ml, which no validated field holds, leaves
  // nothing to divide by.
  if (rest == 0) return {ConvStatus::NothingToDo, {}};
  for (double* x : p.all()) {
    const double v = (*x * 100) / rest;
    *x = form == Form::Rounding ? notBelowZero(r2(v)) : v;
  }
  return {ConvStatus::Converted, {}};
}

bool validRecord(int k) { return FlavourRows<int>::valid(k); }

}  // namespace

ConvResult Aroma_HundertProzentN_Umrechnen(App& app, double& A, double& N, double& PG, double& VG, double& W,
                                           double& S, int k) {
  const Parts p{&A, &PG, &VG, &W, &S};
  const ConvResult r = into(app, p, N, k, Form::Rounding);
  finish(p, [&] { return N / 10 + A; });
  return r;
}

ConvResult Aroma_HundertProzentN_Rueckrechnen(App& app, double& A, double& N, double& PG, double& VG, double& W,
                                              double& S, int k) {
  if (N == 0) return {};
  const Parts p{&A, &PG, &VG, &W, &S};
  const ConvResult r = outOf(app, p, N, k, Form::Rounding);
  // Out of the view including nicotine, the parts make 100 with the flavour
  // substance alone.
  finish(p, [&] { return A; });
  return r;
}

void Alle_Aromen_HundertProzentN_Umrechnen(App& app) {
  for (int k : kFlavourRowNumbers) {
    Aromenzusammensetzung& z = app.flavours.Aromen_Tabelle[k];
    Aroma_HundertProzentN_Umrechnen(app, z.A, z.N, z.PG, z.VG, z.W, z.S, k);
  }
}

void Alle_Aromen_HundertProzentN_Rueckrechnen(App& app) {
  for (int k : kFlavourRowNumbers) {
    Aromenzusammensetzung& z = app.flavours.Aromen_Tabelle[k];
    Aroma_HundertProzentN_Rueckrechnen(app, z.A, z.N, z.PG, z.VG, z.W, z.S, k);
  }
}

ConvResult Aroma_Nr_HundertProzentN_Umrechnen(App& app, int k) {
  if (!validRecord(k)) return {};
  Aromenzusammensetzung& z = app.flavours.Aromen_Tabelle[k];
  return into(app, {&z.A, &z.PG, &z.VG, &z.W, &z.S}, z.N, k, Form::Plain);
}

ConvResult Aroma_Nr_HundertProzentN_Rueckrechnen(App& app, int k) {
  if (!validRecord(k)) return {};
  Aromenzusammensetzung& z = app.flavours.Aromen_Tabelle[k];
  return outOf(app, {&z.A, &z.PG, &z.VG, &z.W, &z.S}, z.N, k, Form::Plain);
}

}  // namespace mirl
