#include "solver/rescale.h"

#include "context/app.h"
#include "model/flavour_sums.h"
#include "model/field_value.h"
#include "solver/proposals.h"

namespace mirl {

namespace {

void scalePlain(Vorschlag_Datensatz& rec, double M) {
  double s = 0;
  for (int f = 1; f <= 6; ++f) s = s + rec(f);
  for (int f = 8; f <= 14; ++f) s = s + rec(f);
  if (s == 0) return;
  const double k = M / s;
  for (int f = 1; f <= 6; ++f) rec(f) = rec(f) * k;
  for (int f = 8; f <= 14; ++f) rec(f) = 0;
}

void scaleWithFlavours(App& app, Vorschlag_Datensatz& rec, double M, double F) {
  // The bases make up 100 - F per cent of the mixture; with nothing left for
  // them there is no mixture, and the record's amounts stay at 0.
  if (!(100 - F > 0)) {
    for (int f = 1; f <= 6; ++f) rec(f) = 0;
    for (int f = 8; f <= 14; ++f) rec(f) = 0;
    return;
  }
  double s = 0;
  for (int f = 1; f <= 6; ++f) s = s + rec(f);
  const double q = (F * 100) / (100 - F);
  const double grown = q * s / 100 + s;
  if (grown == 0) return;
  const double k = M / grown;
  for (int f = 1; f <= 6; ++f) rec(f) = rec(f) * k;
  FrmMain& w = app.main();
  for (int i : kFlavourRowNumbers) {
    if (w.aroma[i].chk_Aroma->Value() != 0) {
      if (auto pct = fieldNumber(*w.aroma[i].txt_Aroma_Menge)) {
        rec(7 + i) = *pct * grown / 100 * k;
      }
    } else {
      rec(7 + i) = 0;
    }
  }
}

}  // namespace

void Vorschlaege_Auf_Menge_Umrechnen(App& app, ProposalList& list) {
  FrmMain& w = app.main();
  double M = 0;
  readField(*w.txt_Berechnung_Menge, M);
  const double F = Summe_Aromen_Prozent(app);

  const int last = listIndex(app.solver.Vorschlag_Letzter_Index);
  for (int p = 0; p <= last && p < kProposalPlaces; ++p) {
    Vorschlag_Datensatz& rec = list[p];
    if (w.flavourShareTicked() && F != 0) {
      scaleWithFlavours(app, rec, M, F);
    } else {
      scalePlain(rec, M);
    }
  }
}

}  // namespace mirl
