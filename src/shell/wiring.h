#pragma once
namespace mirl {
class App;

// Connects the main window's controls to their handlers. Each subsystem
// wires the handlers it owns.
void wireMainWindow(App& app);

void wireModelHandlers(App& app);
void wireLiveHandlers(App& app);
void wireSolverHandlers(App& app);
void wireConversionHandlers(App& app);
void wireShellHandlers(App& app);

}  // namespace mirl
