#include "flavours/flavour_window_wiring.h"

#include <memory>
#include <vector>

#include "context/app.h"
#include "conversions/handlers.h"
#include "flavours/flavour_checks.h"
#include "flavours/flavour_exchange.h"
#include "flavours/flavour_files.h"
#include "flavours/flavour_resets.h"
#include "flavours/flavour_window_texts.h"
#include "flavours/frm_aromen.h"
#include "model/model_wiring.h"
#include "model/refresh.h"
#include "model/validators.h"
#include "runtime/host.h"
#include "support/window_placement.h"

namespace mirl {

namespace {

// Asked in German in both languages, also with message boxes off.
constexpr const char* kFaultQuestion =
    "Die Angaben sind nicht alle korrekt.\r\n"
    "Wenn Sie Aromenzusammensetzung verlassen wird automatisch eine Korrektur vorgenommen.\r\n\r\n"
    "Möchten Sie wirklich die Aromenzusammensetzung verlassen ?";
constexpr const char* kFaultTitle = "Fehlerhafte Angaben";

StoredWindowState storedState(const FrmAromen& f) { return {f.storedMaximised, f.storedMinimised}; }

// Hands the window's values to the table and the main window, ticks the
// flavour-share box again when the opening unticked it, and lets the main
// window show the result.
void handBack(App& app) {
  Aromen_Fenster_In_Tabelle(app);
  Aromen_An_Hauptfenster_Uebergeben(app);
  if (app.flavours.AllAromaProzent_War_Aktiv) {
    chk_AllAromaProzent_Imitate(app);
    app.flavours.AllAromaProzent_War_Aktiv = false;
  }
  Anzeige_Aktualisieren(app);
}

// The text fields, each selecting its text on focus and refreshing the
// window when it is left.
std::vector<rt::TextBox*> textFields(FrmAromen& f) {
  std::vector<rt::TextBox*> v;
  for (FlavourWindowRow& r : f.row) {
    v.insert(v.end(), {r.txt_Aroma, r.txt_Aroma_in_Basis, r.txt_Bezeichnung, r.txt_N, r.txt_PG, r.txt_Preis,
                       r.txt_S, r.txt_VG, r.txt_W});
  }
  v.push_back(f.txt_Name);
  return v;
}

}  // namespace

void frm_Aromen_Form_Load(App& app) {
  FrmAromen& f = frmAromen(app);
  f.Aromenliste_Mit_HundertProzentN = false;
  f.Aroma_Mit_HundertProzentN = false;
  // Unloading gave the controls back their built (German) captions; a window
  // loaded again shows the language in force.
  applyFlavourWindowTexts(app, app.texts.language());
  // A window loaded hidden must not become visible by being maximised:
  // the state waits until the window is shown.
  const StoredWindowState stored = readWindowPlacement(app, f, reg::kFlavourWindowKeys);
  f.storedMaximised = stored.maximised;
  f.storedMinimised = stored.minimised;
}

void showFlavourWindow(App& app) {
  FrmAromen& f = frmAromen(app);
  applyStoredWindowState(f, storedState(f));
  f.setVisible(true);
}

void frm_Aromen_Form_Unload(App& app, int& cancel) {
  FrmAromen& f = frmAromen(app);
  if (!f.Visible()) {
    // Nothing was shown, so nothing is handed back; the placement keeps the
    // state the window was loaded with.
    applyStoredWindowState(f, storedState(f));
    writeWindowPlacement(app, f, reg::kFlavourWindowKeys);
    return;
  }
  // A value typed and closed with the close box is normalised and checked
  // before the labels are scanned; a price typed there as on leaving it.
  for (FlavourWindowRow& r : f.row) {
    if (f.focused() == r.txt_Preis) checkFlavourPrice(*r.txt_Preis);
  }
  Aromen_Fenster_Aktualisieren(app);
  if (Aromen_Fehler_Vorhanden(app)) {
    if (app.host().messageBox(kFaultQuestion, rt::mb::YesNo, kFaultTitle) != rt::mb::Yes) {
      cancel = 1;
      return;
    }
    Aromen_Fehler_Korrigieren(app);
  }
  writeWindowPlacement(app, f, reg::kFlavourWindowKeys);
  handBack(app);
  if (app.main().Visible()) app.main().setEnabled(true);
}

void frm_Aromen_chk_Activate_Click(App& app) { Aromen_Fenster_Aktualisieren(app); }

FrmAromen& wireFlavourWindow(App& app) {
  auto& f = static_cast<FrmAromen&>(app.addForm(std::make_unique<FrmAromen>()));
  app.windowTexts.push_back(&applyFlavourWindowTexts);
  f.onLoad = [&app] { frm_Aromen_Form_Load(app); };
  f.onUnload = [&app](int& cancel) { frm_Aromen_Form_Unload(app, cancel); };
  for (int k : kFlavourRowNumbers) {
    FlavourWindowRow& r = f.row[k];
    r.chk_Activate->onClick = [&app] { frm_Aromen_chk_Activate_Click(app); };
    r.btn_Laden->onClick = [&app, k] { frm_Aromen_btn_Laden_Click(app, k); };
    r.btn_Speichern->onClick = [&app, k] { frm_Aromen_btn_Speichern_Click(app, k); };
    r.btn_Reset->onClick = [&app, k] { frm_Aromen_btn_Reset_Click(app, k); };
  }
  f.btn_All_Laden->onClick = [&app] { frm_Aromen_btn_All_Laden_Click(app); };
  f.btn_All_Speichern->onClick = [&app] { frm_Aromen_btn_All_Speichern_Click(app); };
  f.btn_Reset_All->onClick = [&app] { frm_Aromen_btn_Reset_All_Click(app); };
  f.btn_Reset_Dosierung->onClick = [&app] { frm_Aromen_btn_Reset_Dosierung_Click(app); };
  // The refresh leaves prices as they stand; leaving a price field shows
  // its price form.
  for (FlavourWindowRow& r : f.row) {
    r.txt_Preis->onLostFocus = [&app, t = r.txt_Preis] {
      checkFlavourPrice(*t);
      Aromen_Fenster_Aktualisieren(app);
    };
  }
  for (rt::TextBox* t : textFields(f)) {
    t->onGotFocus = [&app, t] { selectOnFocus(app, *t); };
    if (!t->onLostFocus) t->onLostFocus = [&app] { Aromen_Fenster_Aktualisieren(app); };
  }
  return f;
}

}  // namespace mirl
