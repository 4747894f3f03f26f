#pragma once
// The flavour window's refresh and checks. The refresh normalises every
// numeric field of the seven rows, enables each row by its tick box, checks
// that each active row's composition makes exactly 100 % and that the active
// dosages make no more than 100 %. A fault exists only as red labels with a
// tooltip giving the shortfall or the excess; the closing scans the labels
// and may correct the faulty values.
#include <array>

namespace mirl {
class App;

// A composition's sum as the check sees it: the parts above 0 added in the
// order A, N / 10 (only when the nicotine counts), PG, VG, W, S, then rounded
// to two decimals. parts: A, N, PG, VG, W, S.
double compositionSum(const std::array<double, 6>& parts, bool nicotineInside);

// The window's refresh: normalises the composition and dosage fields (the
// prices stay as they stand until their field is left), enables the rows
// and marks the checks' faults.
void Aromen_Fenster_Aktualisieren(App& app);
void Aroma_Zeile_Freigeben(App& app, bool enabled, int k);
void Aromen_Zeilen_Freigabe_Aktualisieren(App& app);
// True when row k makes exactly 100 %; rest is 100 minus the rounded sum.
bool Aroma_Zusammensetzung_Pruefen(App& app, int k, double& rest);
void Aroma_Zusammensetzung_Anzeigen(App& app, int k, bool faulty, double rest);
void Aromen_Zusammensetzung_Pruefen_Alle(App& app);
void Aromen_Dosierung_Pruefen(App& app);
// True when an enabled label of the window is red.
bool Aromen_Fehler_Vorhanden(App& app);
void Aromen_Fehler_Korrigieren(App& app);

}  // namespace mirl
