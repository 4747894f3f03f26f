// The main window's controls whose only reaction is the master refresh
// (base tick boxes, mode options, reference-quantity lists, the leaving of a
// numeric field), and the fields that select their text on focus.
#include "model/model_wiring.h"

#include <vector>

#include "context/app.h"
#include "model/refresh.h"
#include "model/validators.h"

namespace mirl {

void selectOnFocus(App& app, rt::TextBox& box) {
  if (!app.main().selectOnFocusOn()) return;
  box.setSelStart(0);
  box.setSelLength(box.textLength());
}

namespace {

// Controls whose Click runs the refresh.
std::vector<rt::Control*> refreshOnClick(FrmMain& f) {
  std::vector<rt::Control*> v;
  for (BaseSlot& b : f.basis) v.push_back(b.chk);
  for (rt::OptionButton* o : f.opt_Berechnungsauswahl) v.push_back(o);
  for (BaseSlot& b : f.basis) v.push_back(b.cbo_Preis);
  v.push_back(f.cbo_Preis_Berechnung);
  v.push_back(f.cbo_Preis_Live);
  return v;
}

// Numeric fields whose Validate runs the refresh (the focus always moves on);
// the flavour prices have their own handler.
std::vector<rt::TextBox*> refreshOnValidate(FrmMain& f) {
  std::vector<rt::TextBox*> v;
  for (BaseSlot& b : f.basis) {
    v.insert(v.end(), {b.txt_Menge, b.txt_mg_ml, b.txt_PG_Prozent, b.txt_VG_Prozent, b.txt_Wasser_Prozent,
                       b.txt_Sonst_Prozent, b.txt_Preis_100_ml});
  }
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    v.insert(v.end(), {r.txt_Aroma_Menge_ml, r.txt_Aroma_Menge});
  }
  v.push_back(f.txt_Berechnung_Menge);
  for (rt::TextBox* t : f.targetFields()) v.push_back(t);
  v.insert(v.end(), {f.txt_Berechnung_Zusatzkosten, f.txt_Live_Preis_Zusatzkosten});
  return v;
}

// Fields that select their text on focus. The flavour percentage fields do
// the same in their own focus handler, after remembering their value.
std::vector<rt::TextBox*> selectOnFocusFields(FrmMain& f) {
  std::vector<rt::TextBox*> v;
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    v.insert(v.end(), {r.txt_Aroma_Kommentar, r.txt_Aroma_Menge_ml, r.txt_Aroma_Preis});
  }
  v.push_back(f.txt_Berechnung_Menge);
  for (rt::TextBox* t : f.targetFields()) v.push_back(t);
  v.insert(v.end(), {f.txt_Berechnung_Zusatzkosten, f.txt_Berechnung_Zusammenstellung, f.txt_Live_Preis_Zusatzkosten});
  for (BaseSlot& b : f.basis) {
    v.insert(v.end(), {b.txt_Hersteller, b.txt_Menge, b.txt_mg_ml, b.txt_PG_Prozent, b.txt_VG_Prozent,
                       b.txt_Sonst_Prozent, b.txt_Wasser_Prozent, b.txt_Preis_100_ml});
  }
  return v;
}

}  // namespace

void wireModelHandlers(App& app) {
  FrmMain& f = app.main();
  for (rt::Control* c : refreshOnClick(f)) {
    c->onClick = [&app] { Anzeige_Aktualisieren(app); };
  }
  for (rt::TextBox* t : refreshOnValidate(f)) {
    t->onValidate = [&app](bool& /*cancel*/) { Anzeige_Aktualisieren(app); };
  }
  // The refresh leaves a flavour price as it stands but counts it by its
  // normalised form; leaving the field shows that form, so that what the
  // field shows is what the mixture costs.
  for (int k : kFlavourRowNumbers) {
    rt::TextBox* t = f.aroma[k].txt_Aroma_Preis;
    t->onValidate = [&app, t](bool& /*cancel*/) {
      checkFlavourPrice(*t);
      Anzeige_Aktualisieren(app);
    };
  }
  for (rt::TextBox* t : selectOnFocusFields(f)) {
    t->onGotFocus = [&app, t] { selectOnFocus(app, *t); };
  }
}

}  // namespace mirl
