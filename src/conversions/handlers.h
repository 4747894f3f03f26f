#pragma once
// Handlers of the main window that keep the target in the flavour-share and
// nicotine views.
namespace mirl {
class App;

void frm_Main_chk_AllAromaProzent_Click(App& app);
void frm_Main_chk_Aroma_Click(App& app, int row);
void frm_Main_txt_Aroma_Menge_GotFocus(App& app, int row);
void frm_Main_txt_Aroma_Menge_LostFocus(App& app, int row);
void frm_Main_mnu_Service_HundertProzentN_Click(App& app);
// The main window's one public operation: ticks the flavour-share box and
// runs its conversion once.
void chk_AllAromaProzent_Imitate(App& app);

}  // namespace mirl
