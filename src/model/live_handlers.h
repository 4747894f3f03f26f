#pragma once
// Handlers of the live panel's two mix buttons and of the colour option.
namespace mirl {
class App;

// Scales the live mixture to 100 ml, then refreshes.
void frm_Main_btn_Live_Mix_100ml_Click(App& app);
// Scales the live mixture to the target amount, then refreshes.
void frm_Main_btn_Misch_Zu_Menge_Click(App& app);
// Toggles coloured backgrounds and recolours at once, without a refresh.
void frm_Main_mnu_Service_Farben_Click(App& app);

}  // namespace mirl
