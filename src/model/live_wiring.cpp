#include "context/app.h"
#include "model/live_handlers.h"
#include "model/model_wiring.h"

namespace mirl {

void wireLiveHandlers(App& app) {
  FrmMain& f = app.main();
  f.btn_Live_Mix_100ml->onClick = [&app] { frm_Main_btn_Live_Mix_100ml_Click(app); };
  f.btn_Misch_Zu_Menge->onClick = [&app] { frm_Main_btn_Misch_Zu_Menge_Click(app); };
  f.mnu_Service_Farben->onClick = [&app] { frm_Main_mnu_Service_Farben_Click(app); };
}

}  // namespace mirl
