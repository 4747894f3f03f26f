#pragma once
// The solver's wiring: connects its buttons of the main window and its part
// of the close during a search. Called once by the shell.
namespace mirl {
class App;

// Connects the calculate button and the two paging buttons.
void wireSolverHandlers(App& app);

}  // namespace mirl
