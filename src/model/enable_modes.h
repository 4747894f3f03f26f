#pragma once
// Enable rules of the flavour rows and of the two panels: in calculation
// mode the flavour percentages and the calculation panel are inputs, in live
// analysis the flavour millilitres and the live panel.
namespace mirl {
class App;

// Enables each flavour row by its tick box and the mode, and writes the
// pure-flavour share into txt_AllAromaProzent.
void Aromen_Freigabe_Aktualisieren(App& app);
// Enables the calculation panel or the live panel, with the proposal counter
// and the paging buttons.
void Modus_Freigabe_Aktualisieren(App& app);

void Berechnung_Beschriftungen_Freigeben(App& app, bool enabled);
void Berechnung_Felder_Freigeben(App& app, bool enabled);
void Live_Beschriftungen_Freigeben(App& app, bool enabled);
void Live_Felder_Freigeben(App& app, bool enabled);

}  // namespace mirl
