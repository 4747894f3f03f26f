#pragma once
// The bases' subtotal prices of the main window, from each base's amount,
// price and reference quantity. Run by the master refresh.
namespace mirl {
class App;

// Price of each base's amount: amount / reference quantity * price, written
// with two decimals into the base's subtotal field and normalised as a
// price. Every base, ticked or not.
void Basis_Preis_Summen_Berechnen(App& app);

}  // namespace mirl
