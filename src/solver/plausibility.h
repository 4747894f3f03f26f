#pragma once
// The checks before the exact-hit search starts, run by the calculate
// button's search.
namespace mirl {
class App;

// Checks before the exact-hit search that the ticked bases can make the
// target: at least two bases, the target strength within the strengths of
// the ticked bases, at least 2 ml. On a refusal it shows the case's message
// box (while message boxes are on) and status text and returns true.
bool Nikotin_Basen_Pruefen(App& app);

}  // namespace mirl
