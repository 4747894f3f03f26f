// Background colours of the amount fields and the live-analysis fields:
// green for amounts the calculation worked out and for live values that meet
// the target, cyan for amounts entered by hand, yellow for live values that
// miss the target. With the option off every one of them gets the standard
// background.
#include <array>
#include <string>

#include "context/app.h"
#include "model/live.h"
#include "model/live_handlers.h"
#include "runtime/color.h"
#include "runtime/number.h"

namespace mirl {

namespace {

struct Palette {
  rt::Color standard;
  rt::Color green;
  rt::Color cyan;
  rt::Color yellow;
};

// The standard background is the one of the recipe name, which is never
// coloured.
Palette palette(const App& app) {
  const rt::Color standard = app.main().txt_Berechnung_Zusammenstellung->BackColor();
  if (!app.model.Farbige_Hintergruende) return {standard, standard, standard, standard};
  return {standard, rt::Green, rt::Cyan, rt::Yellow};
}

// The normalisers write "0" for a zero or invalid value.
bool nonZero(const rt::TextBox& box) { return box.Text() != "0"; }

// A base amount: green when computed (the field is disabled), cyan when
// entered by hand.
rt::Color baseAmountColour(const ModelState& m, const BaseSlot& b, const Palette& p) {
  if (b.chk->Value() == 0 || !nonZero(*b.txt_Menge)) return p.standard;
  if (!b.txt_Menge->Enabled()) return p.green;
  return m.Live_Mix_Markierung ? p.cyan : p.standard;
}

rt::Color flavourAmountColour(const ModelState& m, const FrmMain& f, const FlavourRow& r, const Palette& p) {
  const rt::TextBox& ml = *r.txt_Aroma_Menge_ml;
  if (f.flavourShareInside()) {
    if (r.chk_Aroma->Value() == 0 || !nonZero(ml)) return p.standard;
    if (!ml.Enabled()) return p.green;
    return m.Live_Mix_Markierung ? p.cyan : p.standard;
  }
  // Flavours counted on top of the target are never computed, so never green.
  const bool entered = nonZero(ml) && m.Live_Mix_Markierung && r.chk_Aroma->Value() == 1 &&
                       f.liveMode();
  return entered ? p.cyan : p.standard;
}

rt::Color liveColour(const rt::TextBox& live, bool meetsTarget, const Palette& p) {
  if (!nonZero(live)) return p.standard;
  return meetsTarget ? p.green : p.yellow;
}

}  // namespace

void Hintergrundfarben_Setzen(App& app) {
  FrmMain& f = app.main();
  const Palette p = palette(app);

  for (BaseSlot& b : f.basis) b.txt_Menge->setBackColor(baseAmountColour(app.model, b, p));
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    r.txt_Aroma_Menge_ml->setBackColor(flavourAmountColour(app.model, f, r, p));
  }

  // The nicotine strengths are compared at one decimal, the rest as text.
  const bool nicotineMet = rt::num::formatText(f.txt_Live_N->Text(), "0.0") ==
                           rt::num::formatText(f.txt_Berechnung_Prozent_N->Text(), "0.0");
  f.txt_Live_N->setBackColor(liveColour(*f.txt_Live_N, nicotineMet, p));

  const std::array<std::pair<rt::TextBox*, rt::TextBox*>, 4> shares = {{
      {f.txt_Live_PG, f.txt_Berechnung_Prozent_PG},
      {f.txt_Live_VG, f.txt_Berechnung_Prozent_VG},
      {f.txt_Live_Wasser, f.txt_Berechnung_Prozent_Wasser},
      {f.txt_Live_Sonstiges, f.txt_Berechnung_Prozent_Sonst},
  }};
  for (const auto& [live, target] : shares) {
    live->setBackColor(liveColour(*live, live->Text() == target->Text(), p));
  }

  if (f.flavourShareInside()) {
    f.txt_Live_Aroma->setBackColor(
        liveColour(*f.txt_Live_Aroma, f.txt_Live_Aroma->Text() == f.txt_AllAromaProzent->Text(), p));
  } else {
    f.txt_Live_Aroma->setBackColor(p.standard);
  }

  f.txt_Live_Menge->setBackColor(
      liveColour(*f.txt_Live_Menge, f.txt_Live_Menge->Text() == f.txt_Berechnung_Menge->Text(), p));
}

void frm_Main_mnu_Service_Farben_Click(App& app) {
  rt::MenuItem& item = *app.main().mnu_Service_Farben;
  item.setChecked(!item.Checked());
  app.model.Farbige_Hintergruende = item.Checked();
  Hintergrundfarben_Setzen(app);
}

}  // namespace mirl
