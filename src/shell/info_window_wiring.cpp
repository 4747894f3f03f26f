#include "shell/info_window_wiring.h"

#include <memory>

#include "context/app.h"
#include "shell/frm_info.h"
#include "support/window_placement.h"

#if !defined(MIRL_VERSION_MAJOR) || !defined(MIRL_VERSION_MINOR) || !defined(MIRL_VERSION_PATCH)
#error "the build sets the program's version (MIRL_VERSION_MAJOR, _MINOR, _PATCH)"
#endif

namespace mirl {

std::string programVersion() {
  return std::to_string(MIRL_VERSION_MAJOR) + "." + std::to_string(MIRL_VERSION_MINOR) + "." +
         std::to_string(MIRL_VERSION_PATCH);
}

void frm_Main_mnu_Info_Click(App& app) {
  frmInfo(app).setVisible(true);
  app.main().setEnabled(false);
}

void frm_Info_Form_Load(App& app) {
  FrmInfo& f = frmInfo(app);
  f.lblVersion->setCaption(programVersion());
  // The window is loaded only to be shown: its stored state applies at once.
  applyStoredWindowState(f, readWindowPlacement(app, f, reg::kInfoWindowKeys));
}

void frm_Info_Form_Unload(App& app, int&) {
  writeWindowPlacement(app, frmInfo(app), reg::kInfoWindowKeys);
  // The main window takes input again when it is on screen.
  if (app.main().Visible()) app.main().setEnabled(true);
}

void wireInfoWindow(App& app) {
  rt::Form& f = app.addForm(std::make_unique<FrmInfo>());
  f.onLoad = [&app] { frm_Info_Form_Load(app); };
  f.onUnload = [&app](int& cancel) { frm_Info_Form_Unload(app, cancel); };
}

}  // namespace mirl
