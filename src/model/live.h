#pragma once
// Live totals, panel prices, live composition and viscosity, scaling of the
// live mixture, background colours.
namespace mirl {
class App;

void Live_Menge_Summieren(App& app);
void Preis_Berechnen_Live(App& app);
void Preis_Berechnen_Berechnung(App& app);
void Live_Analyse_Aktualisieren(App& app);
void Live_Viskositaet_Berechnen(App& app);
// amount > 0: the new total in ml; otherwise the target amount.
void Live_Mischung_Auf_Menge(App& app, double amount);
void Hintergrundfarben_Setzen(App& app);

}  // namespace mirl
