// Moving the flavour share into (AH) and out of (AE) the target composition.
// Sums compared with 100 add the two-decimal value of each term in a fixed
// order and are compared as the fields show them, at two decimals; converted
// values keep seven decimals.
#include "conversions/flavour_share.h"

#include <array>

#include "context/app.h"
#include "conversions/conversion_messages.h"
#include "conversions/flavour_contributions.h"
#include "conversions/rounding.h"
#include "model/refresh.h"
#include "model/sum_checks.h"
#include "runtime/number.h"
#include "support/status_line.h"

namespace mirl {

namespace {

ConvResult refuse(App& app, const char* code, Msg text, Msg title, Msg status) {
  reportConversionError(app, text, title, status);
  return {ConvStatus::Refused, code};
}

ConvResult refuseTooMuchFlavour(App& app) {
  return refuse(app, "AE-ZA", Msg::Msg_AEZA_Text, Msg::Msg_AEZA_Titel, Msg::Msg_AEZA_Status);
}

// Inside the window around 100 that the nicotine strength absorbs (both
// ends open, 100 itself excluded).
bool nicotineWindow(double x) { return (x > 99.96 && x < 100) || (x > 100 && x < 100.04); }

void roundPercents(Composition& t) {
  t.PG = r2(t.PG);
  t.VG = r2(t.VG);
  t.W = r2(t.W);
  t.S = r2(t.S);
}

// Sets the strength to what the other parts leave of 100 %; a negative
// strength becomes 0. True when N changed.
bool nicotineTakesRest(double& N, double rest) {
  const double before = N;
  N = (100 - rest) * 10;
  if (N < 0) N = 0;
  return N != before;
}

// Puts the flavours in: scaled to the bases' part, plus what the flavours
// bring themselves.
double inPercent(double X, double F, double brought) { return r7(((100 - F) * X) / 100 + brought); }
double inNicotine(double N, double F, double brought) { return r7((((N / 10) * (100 - F)) / 100) * 10 + brought); }

// The contributions that AE subtracts: the flavours as they stood before
// row k's click, or with row k at its previous percentage.
using Contribution = double (*)(App&, double, int);
struct Contributions {
  Contribution N, PG, VG, W, S;
};
constexpr Contributions kBeforeClick{Summe_Aromen_N_Vor_Klick, Summe_Aromen_PG_Vor_Klick, Summe_Aromen_VG_Vor_Klick,
                                     Summe_Aromen_Wasser_Vor_Klick, Summe_Aromen_Sonst_Vor_Klick};
constexpr Contributions kPrevious{Summe_Aromen_N_Alt, Summe_Aromen_PG_Alt, Summe_Aromen_VG_Alt, Summe_Aromen_Wasser_Alt,
                                  Summe_Aromen_Sonst_Alt};

double outPercent(double X, double F, double brought) {
  X = (X * 100) / (100 - F);
  X = X - brought;
  X = r7(X);
  return X < 0 ? 0 : X;
}
double outNicotine(double N, double F, double brought) {
  N = (((N / 10) * 100) / (100 - F)) * 10;
  N = N - brought;
  N = r7(N);
  return N < 0 ? 0 : N;
}

}  // namespace

ConvResult Aroma_Hinzurechnen_AH(App& app, double F, Composition& t, double B) {
  if (F == 0) return {};
  if (flavoursAboveLimit(F)) return refuseTooMuchFlavour(app);

  // PG, VG, water and other, always in this order; the nicotine goes
  // before or after them depending on the option.
  auto sharesIn = [&] {
    t.PG = inPercent(t.PG, F, Summe_Aromen_PG(app));
    t.VG = inPercent(t.VG, F, Summe_Aromen_VG(app));
    t.W = inPercent(t.W, F, Summe_Aromen_Wasser(app));
    t.S = inPercent(t.S, F, Summe_Aromen_Sonst(app));
  };
  ConvResult result{ConvStatus::Converted, {}};
  const bool withNicotine = app.main().nicotineInside();
  if (withNicotine) {
    if (!makesHundred(r2(t.N / 10) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
      result = refuse(app, "AH-1", Msg::Msg_AH1_Text, Msg::Msg_AH1_Titel, Msg::Msg_AH1_Status);
    } else {
      t.N = inNicotine(t.N, F, Summe_Aromen_N(app));
      sharesIn();
    }
  } else {
    Rundungsfehler_Ausgleichen(t.PG, t.VG, t.W, t.S, 0);
    if (!makesHundred(r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
      result = refuse(app, "AH-2", Msg::Msg_AH2_Text, Msg::Msg_AH2_Titel, Msg::Msg_AH2_Status);
    } else {
      sharesIn();
      t.N = inNicotine(t.N, F, Summe_Aromen_N(app));
    }
  }

  // Final compensation, also after a refused check.
  bool compensated = false;
  if (withNicotine) {
    const double x = r2(r2(B) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S) + r2(t.N / 10));
    if (nicotineWindow(x)) compensated = nicotineTakesRest(t.N, r2(B) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S));
  } else if (!makesHundred(r2(B) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
    for (int pass = 0; pass < 2; ++pass) {
      if (Rundungsfehler_Ausgleichen(t.PG, t.VG, t.W, t.S, r2(B))) compensated = true;
      roundPercents(t);
    }
  }
  // The hint only when a value was adjusted, and never over a refusal.
  if (compensated && !result.refused()) Statusleiste_Text(app, app.texts[Msg::Msg_AH_Rundung_Status]);
  return result;
}

ConvResult Aroma_Herausrechnen_AE(App& app, double F, Composition& t, double B, int k, bool previous) {
  if (F == 0) return {};
  if (flavoursAboveLimit(F)) return refuseTooMuchFlavour(app);

  const Contributions& c = previous ? kPrevious : kBeforeClick;
  auto sharesOut = [&] {
    t.PG = outPercent(t.PG, F, c.PG(app, F, k));
    t.VG = outPercent(t.VG, F, c.VG(app, F, k));
    t.W = outPercent(t.W, F, c.W(app, F, k));
    t.S = outPercent(t.S, F, c.S(app, F, k));
  };
  ConvResult result{ConvStatus::Converted, {}};
  const bool withNicotine = app.main().nicotineInside();
  if (withNicotine) {
    if (!makesHundred(r2(B) + r2(t.N / 10) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
      result = refuse(app, "AE-1", Msg::Msg_AE1_Text, Msg::Msg_AE1_Titel, Msg::Msg_AE1_Status);
    } else {
      t.N = outNicotine(t.N, F, c.N(app, F, k));
      sharesOut();
    }
  } else {
    Rundungsfehler_Ausgleichen(t.PG, t.VG, t.W, t.S, r2(B));
    if (!makesHundred(r2(B) + r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
      result = refuse(app, "AE-2", Msg::Msg_AE2_Text, Msg::Msg_AE2_Titel, Msg::Msg_AE2_Status);
    } else {
      sharesOut();
      t.N = outNicotine(t.N, F, c.N(app, F, k));
    }
  }

  // Final compensation, also after a refused check.
  bool compensated = false;
  if (withNicotine) {
    const double x = r2(r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S) + r2(t.N / 10));
    if (nicotineWindow(x)) compensated = nicotineTakesRest(t.N, r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S));
    roundPercents(t);
    t.N = r1(t.N);
    for (int pass = 0; pass < 2; ++pass) {
      Rundungsfehler_Ausgleichen(t.PG, t.VG, t.W, t.S, t.N / 10);
      roundPercents(t);
      t.N = r1(t.N);
    }
  } else if (!makesHundred(r2(t.PG) + r2(t.VG) + r2(t.W) + r2(t.S))) {
    for (int pass = 0; pass < 2; ++pass) {
      if (Rundungsfehler_Ausgleichen(t.PG, t.VG, t.W, t.S, 0)) compensated = true;
      roundPercents(t);
    }
  }
  if (compensated && !result.refused()) Statusleiste_Text(app, app.texts[Msg::Msg_AE_Rundung_Status]);
  return result;
}

void Berechnung_Werte_Schreiben(App& app, const Composition& t) {
  FrmMain& f = app.main();
  const std::array values = {t.N, t.PG, t.VG, t.W, t.S};
  const auto fields = f.targetFields();
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(rt::num::plain(values[i]));
  Anzeige_Aktualisieren(app);
}

}  // namespace mirl
