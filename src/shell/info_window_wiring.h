#pragma once
// The info window's life: the menu entry that opens it over the disabled
// main window, its loading (the version, the stored placement) and its
// closing (the placement stored, the main window enabled again).
#include <string>

namespace mirl {
class App;

// Adds the info window to the application and connects its handlers.
void wireInfoWindow(App& app);

// The program's version as the build sets it: major, minor and revision,
// each in decimal, joined by ".".
std::string programVersion();

// Shows the info window without waiting (loading it first), then disables
// the main window.
void frm_Main_mnu_Info_Click(App& app);
void frm_Info_Form_Load(App& app);
// Never cancels.
void frm_Info_Form_Unload(App& app, int& cancel);

}  // namespace mirl
