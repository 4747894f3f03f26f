#include "shell/flavour_menu.h"

#include "context/app.h"
#include "conversions/handlers.h"
#include "flavours/flavour_checks.h"
#include "flavours/flavour_exchange.h"
#include "flavours/flavour_window_wiring.h"

namespace mirl {

void frm_Main_mnu_Service_Aromenkonfiguration_Click(App& app) {
  FrmMain& m = app.main();
  app.flavours.AllAromaProzent_War_Aktiv = m.flavourShareTicked();
  if (app.flavours.AllAromaProzent_War_Aktiv) {
    // Cleared without raising Click, so that the flavour share is taken out
    // exactly once, by the call below.
    m.chk_AllAromaProzent->setValueSilently(0);
    frm_Main_chk_AllAromaProzent_Click(app);
  }
  Aromen_Preis_Listen_Fuellen(app);
  Aromen_Von_Hauptfenster_Uebernehmen(app);
  Aromen_Tabelle_In_Fenster(app);
  Aromen_Fenster_Aktualisieren(app);
  showFlavourWindow(app);
  m.setEnabled(false);
}

}  // namespace mirl
