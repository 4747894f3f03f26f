#pragma once
// The calculate button and the two paging buttons of the proposals: the
// solver's entry points from the main window, wired by solver_wiring.
namespace mirl {
class App;

// The calculate button: what a click does depends on its caption (search,
// direct solution, approximation, or cancel of the running search).
void frm_Main_btn_Berechnung_Click(App& app);
// One proposal back / on.
void frm_Main_btn_L_Click(App& app);
void frm_Main_btn_R_Click(App& app);

}  // namespace mirl
