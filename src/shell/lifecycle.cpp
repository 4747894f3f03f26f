#include "shell/lifecycle.h"

#include "shell/app.h"

namespace mirl {

void frm_Main_Form_Load(App& app) {
  app.solver.Vorschlaege_Vorhanden = false;
  app.solver.Annaeherung_Aktiv = false;
  app.model.Live_Mix_Markierung = true;
  Aromen_Tabelle_Standardwerte(app.flavours);
  app.model.Viskositaet_PG = 60.0;
  app.model.Viskositaet_VG = 1480.0;
  app.model.Viskositaet_Wasser = 1.0;
  app.model.Viskositaet_Sonst = 1.0;
}

void frm_Main_Form_Unload(App&, int&) {}

}  // namespace mirl
