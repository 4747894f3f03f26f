// Stand-ins for the live analysis until it lands; they do nothing.
#include "model/live.h"

namespace mirl {
void Live_Menge_Summieren(App&) {}
void Preis_Berechnen_Live(App&) {}
void Preis_Berechnen_Berechnung(App&) {}
void Live_Analyse_Aktualisieren(App&) {}
void Live_Viskositaet_Berechnen(App&) {}
void Live_Mischung_Auf_Menge(App&, double) {}
void Hintergrundfarben_Setzen(App&) {}
}  // namespace mirl
