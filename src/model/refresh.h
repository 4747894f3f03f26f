#pragma once
namespace mirl {
class App;

// The master refresh: normalises every field, applies every enable rule,
// checks the percent groups, prices, analyses and colours the main window.
void Anzeige_Aktualisieren(App& app);

}  // namespace mirl
