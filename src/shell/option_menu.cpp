#include "shell/option_menu.h"

#include "context/app.h"

namespace mirl {

void frm_Main_mnu_Service_Auto_Markierung_Click(App& app) {
  rt::MenuItem& m = *app.main().mnu_Service_Auto_Markierung;
  m.setChecked(!m.Checked());
}

void frm_Main_mnu_Service_MsgBox_Click(App& app) {
  rt::MenuItem& m = *app.main().mnu_Service_MsgBox;
  m.setChecked(!m.Checked());
}

}  // namespace mirl
