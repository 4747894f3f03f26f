// The main window's handlers that keep the target and its total amount in
// the flavour-share view: the flavour-share box itself, a flavour row's tick
// box and a flavour row's percentage field.
#include "context/app.h"
#include "conversions/flavour_share.h"
#include "model/flavour_sums.h"
#include "conversions/handlers.h"
#include "model/composition.h"
#include "model/field_value.h"
#include "model/model_wiring.h"
#include "model/refresh.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

namespace {

bool tooMuchFlavour(const ConvResult& r) { return r.refused() && r.code == "AE-ZA"; }

// The total amount without the flavour share F. Not rescaled when the
// conversion refused because the flavours exceed 99 %: the target then still
// holds the flavours, and the amount has to agree with it.
void amountOut(FrmMain& f, double F, const ConvResult& r) {
  if (tooMuchFlavour(r)) return;
  double M = 0;
  readField(*f.txt_Berechnung_Menge, M);
  M = M - M * F / 100;
  f.txt_Berechnung_Menge->setText(rt::num::format(M, "0.00"));
}

// The total amount with the flavour share F put in.
void amountIn(FrmMain& f, double F, const ConvResult& r) {
  if (tooMuchFlavour(r)) return;
  double M = 0;
  readField(*f.txt_Berechnung_Menge, M);
  if (100 - F == 0) return;
  M = M * 100 / (100 - F);
  f.txt_Berechnung_Menge->setText(rt::num::format(M, "0.00"));
}

// After a change of row k (its tick or its percentage): the flavours out as
// the target last included them (the sums from before the change), the
// fields written and refreshed, then the flavours in as they are now.
void redoFlavourShare(App& app, int k, bool previous) {
  FrmMain& f = app.main();
  Composition t;
  readTarget(f, t);
  const double Fold = previous ? Summe_Aromen_Prozent_Alt(app, k) : Summe_Aromen_Prozent_Vor_Klick(app, k);
  const double Bold = previous ? Summe_Reinaroma_Prozent_Alt(app, k) : Summe_Reinaroma_Prozent_Vor_Klick(app, k);
  const ConvResult out = Aroma_Herausrechnen_AE(app, Fold, t, Bold, k, previous);
  amountOut(f, Fold, out);
  Berechnung_Werte_Schreiben(app, t);

  readTarget(f, t);
  const double F = Summe_Aromen_Prozent(app);
  const double B = Summe_Reinaroma_Prozent(app);
  const ConvResult in = Aroma_Hinzurechnen_AH(app, F, t, B);
  amountIn(f, F, in);
  Berechnung_Werte_Schreiben(app, t);
}

}  // namespace

void frm_Main_chk_AllAromaProzent_Click(App& app) {
  FrmMain& f = app.main();
  const double F = Summe_Aromen_Prozent(app);
  const double B = Summe_Reinaroma_Prozent(app);
  Composition t;
  readTarget(f, t);
  if (!f.flavourShareInside()) {
    const ConvResult r = Aroma_Herausrechnen_AE(app, F, t, B, 0, false);
    amountOut(f, F, r);
  } else {
    const ConvResult r = Aroma_Hinzurechnen_AH(app, F, t, B);
    amountIn(f, F, r);
  }
  Berechnung_Werte_Schreiben(app, t);
}

void chk_AllAromaProzent_Imitate(App& app) {
  // Set without raising Click, so that the conversion runs exactly once.
  app.main().chk_AllAromaProzent->setValueSilently(1);
  frm_Main_chk_AllAromaProzent_Click(app);
}

void frm_Main_chk_Aroma_Click(App& app, int row) {
  Anzeige_Aktualisieren(app);
  if (!app.main().flavourShareInside()) return;
  redoFlavourShare(app, row, false);
}

void frm_Main_txt_Aroma_Menge_LostFocus(App& app, int row) {
  if (!FlavourRows<int>::valid(row)) return;
  Eingabe_Pruefen_Prozent(*app.main().aroma[row].txt_Aroma_Menge);
  if (!app.main().flavourShareInside()) return;
  redoFlavourShare(app, row, true);
}

void frm_Main_txt_Aroma_Menge_GotFocus(App& app, int row) {
  if (!FlavourRows<int>::valid(row)) return;
  rt::TextBox& box = *app.main().aroma[row].txt_Aroma_Menge;
  readField(box, app.conv.Aroma_Menge_Alt[row]);
  selectOnFocus(app, box);
}

}  // namespace mirl
