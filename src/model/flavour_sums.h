#pragma once
// Sums over the ticked flavour rows of the main window: the total flavour
// percentage and the flavour-substance share (each row's percentage weighted
// by field A of its composition). Each comes as it stands now, as it stood
// before a click on row i's tick box, and with row i at the percentage it had
// when its field got the focus. A row counts when its tick box has the value
// 1; a percentage text that is no number adds nothing.
namespace mirl {
class App;

double Summe_Aromen_Prozent(const App& app);
double Summe_Reinaroma_Prozent(const App& app);
// Row i's tick taken as the opposite of what it is now.
double Summe_Aromen_Prozent_Vor_Klick(const App& app, int i);
double Summe_Reinaroma_Prozent_Vor_Klick(const App& app, int i);
// Row i counted (when ticked) with Aroma_Menge_Alt(i) instead of its field.
double Summe_Aromen_Prozent_Alt(const App& app, int i);
double Summe_Reinaroma_Prozent_Alt(const App& app, int i);
// The flavour-substance share now, rounded to two decimals (for the display
// field beside the flavour-share box).
double Summe_Reinaroma_Prozent_Anzeige(const App& app);

}  // namespace mirl
