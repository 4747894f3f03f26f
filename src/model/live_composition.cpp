// The live analysis works backwards from the amounts entered to what the
// mixture contains: nicotine in mg/ml, PG, VG, water, other and flavour
// substance in per cent of the total volume, and the mixture's viscosity.
#include <array>
#include <optional>

#include "context/app.h"
#include "model/field_value.h"
#include "model/live.h"
#include "model/live_math.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

namespace {

// Millilitres of each component in the mixture (nicotine as mg/ml × ml ÷ 100).
struct Components {
  double nicotine = 0;
  double pg = 0;
  double vg = 0;
  double water = 0;
  double other = 0;
  double flavour = 0;
};

// acc += value × ml ÷ 100; a value that is no number skips only this term.
void addShare(double& acc, std::optional<double> value, double ml) {
  if (!value) return;
  live::assignFinite(acc, acc + *value * ml / 100);
}

Components mixedComponents(const App& app) {
  const FrmMain& f = app.main();
  Components c;
  for (const BaseSlot& b : f.basis) {
    if (b.chk->Value() == 0) continue;
    double m = 0;
    readField(*b.txt_Menge, m);
    addShare(c.nicotine, fieldNumber(*b.txt_mg_ml), m);
    addShare(c.pg, fieldNumber(*b.txt_PG_Prozent), m);
    addShare(c.vg, fieldNumber(*b.txt_VG_Prozent), m);
    addShare(c.water, fieldNumber(*b.txt_Wasser_Prozent), m);
    addShare(c.other, fieldNumber(*b.txt_Sonst_Prozent), m);
  }
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() == 0) continue;
    double m = 0;
    readField(*r.txt_Aroma_Menge_ml, m);
    const Aromenzusammensetzung& a = app.flavours.Aromen_Tabelle[k];
    addShare(c.flavour, a.A, m);
    addShare(c.nicotine, a.N, m);
    addShare(c.pg, a.PG, m);
    addShare(c.vg, a.VG, m);
    addShare(c.water, a.W, m);
    addShare(c.other, a.S, m);
  }
  return c;
}

}  // namespace

void Live_Analyse_Aktualisieren(App& app) {
  FrmMain& f = app.main();
  const Components c = mixedComponents(app);

  // The shares are taken of the total as shown (two decimals at most).
  double total = 0;
  readField(*f.txt_Live_Menge, total);

  const std::array<std::pair<rt::TextBox*, double>, 6> outputs = {{
      {f.txt_Live_PG, c.pg},
      {f.txt_Live_VG, c.vg},
      {f.txt_Live_Wasser, c.water},
      {f.txt_Live_Sonstiges, c.other},
      {f.txt_Live_N, c.nicotine},
      {f.txt_Live_Aroma, c.flavour},
  }};
  for (const auto& [box, ml] : outputs) {
    if (total != 0) {
      double share = 0;
      if (live::assignFinite(share, ml * 100 / total)) box->setText(rt::num::format(share, "0.0000000"));
      // The nicotine strength is bounded like a percentage: above 100 mg/ml
      // it shows "0".
      Eingabe_Pruefen_Prozent(*box);
    } else {
      box->setText("0");
    }
  }

  Hintergrundfarben_Setzen(app);
}

void Live_Viskositaet_Berechnen(App& app) {
  FrmMain& f = app.main();
  const ModelState& m = app.model;

  // A linear rule in the shares as displayed; nicotine and flavour substance
  // add nothing, so flavour in the mixture lowers the value by its share.
  double v = 0;
  auto total = fieldNumber(*f.txt_Live_Menge);
  if (total && *total > 0) {
    auto pg = fieldNumber(*f.txt_Live_PG);
    auto vg = fieldNumber(*f.txt_Live_VG);
    auto water = fieldNumber(*f.txt_Live_Wasser);
    auto other = fieldNumber(*f.txt_Live_Sonstiges);
    if (pg && vg && water && other) {
      live::assignFinite(v, *pg * m.Viskositaet_PG / 100 + *vg * m.Viskositaet_VG / 100 +
                                *water * m.Viskositaet_Wasser / 100 + *other * m.Viskositaet_Sonst / 100);
    }
  }
  f.txt_Vis_Summe->setText(rt::num::plain(v));
  Eingabe_Pruefen_Menge(*f.txt_Vis_Summe);
}

}  // namespace mirl
