#pragma once
// Start-up and shut-down of the program: the main window's Load and Unload
// handlers, wired by the shell.
namespace mirl {
class App;

// Start-up of the main window: the lists, the flavour table's defaults, the
// German texts, the session of the last run, the viscosity factors, the
// stored placement, the first refresh.
void frm_Main_Form_Load(App& app);
// Shut-down of the main window: saves the session (a failure is reported
// and the shut-down goes on), stores the placement, closes the info and the
// flavour window. Never sets cancel.
void frm_Main_Form_Unload(App& app, int& cancel);

// The desktop session ends (a logout, a shutdown, the program's terminal
// gone): the windows open over the main window are closed as their user
// closes them, then the main window, which is the whole shut-down. The
// host is to answer every question by then, so that nothing waits. False
// while the program cannot end yet: a search runs (it is cancelled, and the
// main window closes once it has returned) or a window kept itself open.
bool endSession(App& app);

}  // namespace mirl
