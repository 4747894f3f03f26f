#pragma once
// The option entries of the service menu that only toggle their check mark.
// Wired by the shell.
namespace mirl {
class App;

// Option toggles of the service menu that only flip their check mark; the
// parts that act on them read the mark when they act.
void frm_Main_mnu_Service_Auto_Markierung_Click(App& app);
void frm_Main_mnu_Service_MsgBox_Click(App& app);

}  // namespace mirl
