#pragma once
// The flavour window's life and events: what its loading reads, how the
// menu shows it, what its closing does, and the connection of every control
// to its handler.
namespace mirl {
class App;
class FrmAromen;

// Adds the flavour window to the application and connects its handlers.
FrmAromen& wireFlavourWindow(App& app);

// Loading: both public Booleans false, the captions and tooltips of the
// language in force, the stored placement read; the
// position is taken at once, a maximised or minimised state only when the
// window is shown.
void frm_Aromen_Form_Load(App& app);
// Shows the window (loading it first when needed) in the state stored for
// it.
void showFlavourWindow(App& app);
// The closing sequence. A window that is not shown (the shut-down unloads
// the window loaded hidden at start-up) only stores its placement.
void frm_Aromen_Form_Unload(App& app, int& cancel);
void frm_Aromen_chk_Activate_Click(App& app);

}  // namespace mirl
