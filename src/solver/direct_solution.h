#pragma once
namespace mirl {
class App;

// The direct solution: with takeOver false it only offers (sets the
// calculate button's caption); with true it writes the amounts.
void Schnell_Loesung_Berechnen(App& app, bool takeOver);

}  // namespace mirl
