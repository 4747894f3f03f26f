#include "model/flavour_sums.h"

#include "context/app.h"
#include "model/field_value.h"
#include "runtime/number.h"

namespace mirl {

namespace {

enum class Weight { None, Substance };
// How row i is treated: like every other row, with its tick inverted, or
// with its previous percentage.
enum class RowI { Same, TickInverted, Previous };

double flavourSum(const App& app, Weight weight, RowI mode, int i) {
  const FrmMain& f = app.main();
  double sum = 0;
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& row = f.aroma[k];
    bool ticked = row.chk_Aroma->Value() == 1;
    const bool isI = k == i && mode != RowI::Same;
    if (isI && mode == RowI::TickInverted) ticked = !ticked;
    if (!ticked) continue;

    double p = 0;
    if (isI && mode == RowI::Previous) {
      p = app.conv.Aroma_Menge_Alt[k];
    } else if (!readField(*row.txt_Aroma_Menge, p)) {
      continue;  // no number: the row adds nothing
    }

    double term = p;
    if (weight == Weight::Substance) {
      term = p * app.flavours.Aromen_Tabelle[k].A;
      term = term / 100;
    }
    sum = sum + term;
  }
  return sum;
}

}  // namespace

double Summe_Aromen_Prozent(const App& app) { return flavourSum(app, Weight::None, RowI::Same, 0); }

double Summe_Reinaroma_Prozent(const App& app) { return flavourSum(app, Weight::Substance, RowI::Same, 0); }

double Summe_Aromen_Prozent_Vor_Klick(const App& app, int i) {
  return flavourSum(app, Weight::None, RowI::TickInverted, i);
}

double Summe_Reinaroma_Prozent_Vor_Klick(const App& app, int i) {
  return flavourSum(app, Weight::Substance, RowI::TickInverted, i);
}

double Summe_Aromen_Prozent_Alt(const App& app, int i) { return flavourSum(app, Weight::None, RowI::Previous, i); }

double Summe_Reinaroma_Prozent_Alt(const App& app, int i) {
  return flavourSum(app, Weight::Substance, RowI::Previous, i);
}

double Summe_Reinaroma_Prozent_Anzeige(const App& app) {
  return rt::num::rounded(Summe_Reinaroma_Prozent(app), "0.00");
}

}  // namespace mirl
