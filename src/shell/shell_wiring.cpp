#include "context/app.h"
#include "shell/file_menu.h"
#include "shell/factory_reset.h"
#include "shell/flavour_menu.h"
#include "shell/info_window_wiring.h"
#include "shell/language_menu.h"
#include "shell/lifecycle.h"
#include "shell/option_menu.h"
#include "shell/wiring.h"

namespace mirl {

// The shell's handlers of the main window, one connection per line.
void wireShellHandlers(App& app) {
  FrmMain& f = app.main();
  f.onLoad = [&app] { frm_Main_Form_Load(app); };
  f.onUnload = [&app](int& cancel) { frm_Main_Form_Unload(app, cancel); };
  f.mnu_Datei_Oeffnen->onClick = [&app] { frm_Main_mnu_Datei_Oeffnen_Click(app); };
  f.mnu_Datei_Speichern_Unter->onClick = [&app] { frm_Main_mnu_Datei_Speichern_Unter_Click(app); };
  f.mnu_Service_Sprache_Deutsch->onClick = [&app] { frm_Main_mnu_Service_Sprache_Deutsch_Click(app); };
  f.mnu_Service_Sprache_English->onClick = [&app] { frm_Main_mnu_Service_Sprache_English_Click(app); };
  f.mnu_Service_Auto_Markierung->onClick = [&app] { frm_Main_mnu_Service_Auto_Markierung_Click(app); };
  f.mnu_Service_MsgBox->onClick = [&app] { frm_Main_mnu_Service_MsgBox_Click(app); };
  f.mnu_Service_Aromenkonfiguration->onClick = [&app] { frm_Main_mnu_Service_Aromenkonfiguration_Click(app); };
  f.mnu_Info->onClick = [&app] { frm_Main_mnu_Info_Click(app); };
  f.btn_Reset->onClick = [&app] { frm_Main_btn_Reset_Click(app); };
}

}  // namespace mirl
