#pragma once
namespace mirl {
class App;

// Connects the calculate button and the two paging buttons.
void wireSolverHandlers(App& app);

}  // namespace mirl
