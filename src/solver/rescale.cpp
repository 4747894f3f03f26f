#include "solver/rescale.h"

#include "context/app.h"
#include "model/flavour_sums.h"
#include "model/field_value.h"
#include "solver/proposals.h"

namespace mirl {

namespace {

void scalePlain(Vorschlag_Datensatz& rec, double M) {
  double sum = 0;
  for (int s = 0; s < kBaseSlots; ++s) sum = sum + rec.baseAmount(s);
  for (int k : kFlavourRowNumbers) sum = sum + rec.flavourAmount(k);
  if (sum == 0) return;
  const double factor = M / sum;
  for (int s = 0; s < kBaseSlots; ++s) rec.baseAmount(s) = rec.baseAmount(s) * factor;
  for (int k : kFlavourRowNumbers) rec.flavourAmount(k) = 0;
}

void scaleWithFlavours(const FrmMain& w, Vorschlag_Datensatz& rec, double M, double F) {
  // The bases make up 100 - F per cent of the mixture; with nothing left for
  // them there is no mixture, and the record's amounts stay at 0.
  if (!(100 - F > 0)) {
    for (int s = 0; s < kBaseSlots; ++s) rec.baseAmount(s) = 0;
    for (int k : kFlavourRowNumbers) rec.flavourAmount(k) = 0;
    return;
  }
  double sum = 0;
  for (int s = 0; s < kBaseSlots; ++s) sum = sum + rec.baseAmount(s);
  const double q = (F * 100) / (100 - F);
  const double grown = q * sum / 100 + sum;
  if (grown == 0) return;
  const double factor = M / grown;
  for (int s = 0; s < kBaseSlots; ++s) rec.baseAmount(s) = rec.baseAmount(s) * factor;
  for (int k : kFlavourRowNumbers) {
    if (w.aroma[k].chk_Aroma->Value() != 0) {
      if (auto pct = fieldNumber(*w.aroma[k].txt_Aroma_Menge)) {
        rec.flavourAmount(k) = *pct * grown / 100 * factor;
      }
    } else {
      rec.flavourAmount(k) = 0;
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
      scaleWithFlavours(app.main(), rec, M, F);
    } else {
      scalePlain(rec, M);
    }
  }
}

}  // namespace mirl
