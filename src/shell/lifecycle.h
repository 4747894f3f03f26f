#pragma once
namespace mirl {
class App;

// Start-up of the main window.
void frm_Main_Form_Load(App& app);
// Shut-down of the main window; never sets cancel.
void frm_Main_Form_Unload(App& app, int& cancel);

}  // namespace mirl
