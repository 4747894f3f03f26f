#pragma once
// The flavour window's exchange of data: the compositions between the
// flavour-composition table and the window's fields, and the rows' own
// fields (tick box, name, price, dosage, price quantity) between the main
// window and the flavour window. Compositions travel between the windows
// only through the table.
namespace mirl {
class App;

// The window's composition fields and the set's name into the table; a text
// that is no number leaves its table field as it was.
void Aromen_Fenster_In_Tabelle(App& app);
// The table into the window's composition fields, in plain decimal text.
void Aromen_Tabelle_In_Fenster(App& app);
// Appends the fourteen reference quantities to each row's price list and
// selects "1 ml".
void Aromen_Preis_Listen_Fuellen(App& app);
// The table into the window, then the main window's rows into the window.
void Aromen_Von_Hauptfenster_Uebernehmen(App& app);
// The window's rows back into the main window.
void Aromen_An_Hauptfenster_Uebergeben(App& app);

}  // namespace mirl
