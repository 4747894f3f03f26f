#include "shell/lifecycle.h"

#include <cmath>
#include <iostream>
#include <string_view>
#include <unistd.h>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "model/quantity_lists.h"
#include "model/refresh.h"
#include "runtime/registry_store.h"
#include "shell/frm_info.h"
#include "shell/session.h"
#include "support/language.h"
#include "support/notice.h"
#include "support/program_files.h"
#include "support/window_placement.h"

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

// Runs the closing sequence of another window when it is loaded.
void unloadIfLoaded(App& app, std::string_view name) {
  if (rt::Form* form = app.loadedForm(name)) form->unload();
}

}  // namespace

void frm_Main_Form_Load(App& app) {
  removeLeftTemporaryFiles(app);
  FrmMain& f = app.main();
  app.solver.Vorschlaege_Vorhanden = false;
  app.solver.Annaeherung_Aktiv = false;
  app.model.Live_Mix_Markierung = true;
  // Selecting "100 ml" in the eight single lists runs their Click, each a
  // master refresh.
  Mengenauswahl_Fuellen(app);
  Aromen_Tabelle_Standardwerte(app.flavours);
  Sprache_Deutsch_Laden(app);
  // Read as the exit save finds it: another user's link there is no file.
  const rt::ini::Loaded session = rt::ini::load(sessionFile(app), ::geteuid());
  app.sessionFileTooLarge = session.found == rt::ini::Found::TooLarge;
  if (app.sessionFileTooLarge) {
    std::cerr << "mirlfumarix: the session file " << sessionFile(app).string()
              << " is larger than 16 MiB (16,777,216 bytes) and is not read\n";
  }
  Session_Laden(app, session);
  app.model.Viskositaet_PG = 60.0;
  app.model.Viskositaet_VG = 1480.0;
  app.model.Viskositaet_Wasser = 1.0;
  app.model.Viskositaet_Sonst = 1.0;
  // The window is shown maximised or minimised, as it was closed, once the
  // start-up has shown it.
  applyStoredWindowState(f, readWindowPlacement(app, f, reg::kMainWindowKeys));
  Anzeige_Aktualisieren(app);
  centreProgressBar(f);
}

void frm_Main_Form_Unload(App& app, int&) {
  // Every window's placement goes into the registry store in one rewrite.
  const rt::RegistryStore::Batch oneSave(app.registry());
  const std::filesystem::path session = sessionFile(app);
  keepDamagedSessionFile(app);
  if (!Session_Speichern(app, session)) {
    reportSaveFailure(app);
    std::cerr << "mirlfumarix: the session could not be saved to " << session.string() << "\n";
  }
  writeWindowPlacement(app, app.main(), reg::kMainWindowKeys);
  unloadIfLoaded(app, kInfoWindow);
  // Last, the flavour window (loaded hidden since the start-up unless the
  // user has closed it): its closing sequence runs, after the session has
  // been saved.
  unloadIfLoaded(app, kFlavourWindow);
}

bool endSession(App& app) {
  for (std::string_view name : {kInfoWindow, kFlavourWindow}) {
    // The flavour window stays loaded while hidden; the shut-down closes it.
    const rt::Form* form = app.loadedForm(name);
    if (form && form->Visible()) app.closeForm(name);
  }
  return app.requestClose();
}

}  // namespace mirl
