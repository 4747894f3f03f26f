#pragma once
// The menu entry that opens the flavour window over the main window. Wired
// by the shell; the flavour window's closing undoes what it does.
namespace mirl {
class App;

// The menu entry "&AromenTessivane": takes the flavour share out of the
// target (remembering that the box was ticked), fills the flavour window
// with the table and the main window's rows, refreshes and shows it, and
// disables the main window until it closes.
void frm_Main_mnu_Service_Aromenkonfiguration_Click(App& app);

}  // namespace mirl
