#pragma once
// The master refresh of the main window, run after every change the user
// makes; every subsystem ends its handlers with it.
namespace mirl {
class App;

// The master refresh: normalises every field, applies every enable rule,
// checks the percent groups, prices, analyses and colours the main window.
void Anzeige_Aktualisieren(App& app);

}  // namespace mirl
