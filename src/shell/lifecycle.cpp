#include "shell/lifecycle.h"

#include <cmath>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "model/quantity_lists.h"
#include "model/refresh.h"
#include "support/language.h"

namespace mirl {

namespace {

// Centres the progress bar vertically inside the status bar, computed in
// single precision like the window's coordinates; the result is rounded to
// the nearest whole twip (ties to even).
void centreProgressBar(FrmMain& f) {
  const float top = static_cast<float>(f.StatusBar1->Top()) +
                    (static_cast<float>(f.StatusBar1->Height()) - static_cast<float>(f.ProgressBar1->Height())) / 2.0f;
  f.ProgressBar1->setTop(static_cast<int>(std::nearbyint(top)));
}

}  // namespace

void frm_Main_Form_Load(App& app) {
  FrmMain& f = app.main();
  app.solver.Vorschlaege_Vorhanden = false;
  app.solver.Annaeherung_Aktiv = false;
  app.model.Live_Mix_Markierung = true;
  // Selecting "100 ml" in the eight single lists runs their Click, each a
  // master refresh.
  Mengenauswahl_Fuellen(app);
  Aromen_Tabelle_Standardwerte(app.flavours);
  Sprache_Deutsch_Laden(app);
  // The session file "LastSession.ini" of the program's folder is loaded here.
  app.model.Viskositaet_PG = 60.0;
  app.model.Viskositaet_VG = 1480.0;
  app.model.Viskositaet_Wasser = 1.0;
  app.model.Viskositaet_Sonst = 1.0;
  // The window placement from the registry is restored here.
  Anzeige_Aktualisieren(app);
  centreProgressBar(f);
}

void frm_Main_Form_Unload(App& app, int&) {
  // Last, the flavour window (loaded hidden since the start-up unless the
  // user has closed it): its closing sequence runs.
  if (rt::Form* flavours = app.loadedForm(kFlavourWindow)) flavours->unload();
}

}  // namespace mirl
