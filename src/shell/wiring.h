#pragma once
// Connects every handler of the main window, subsystem by subsystem. Called
// once by the application while it is assembled.
namespace mirl {
class App;

// Connects the main window's controls to their handlers: each subsystem
// wires the handlers it owns (declared in its own header), the shell its
// menus and the window's start-up and shut-down.
void wireMainWindow(App& app);
void wireShellHandlers(App& app);

}  // namespace mirl
