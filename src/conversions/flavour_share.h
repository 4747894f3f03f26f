#pragma once
// Moving the flavour share into (AH) and out of (AE) the target composition:
// t's strength and four shares are converted in place (its amount is not
// touched). F is the flavours' percentage of the mixture, B their
// flavour-substance share.
#include "conversions/conversion_result.h"
#include "model/composition.h"

namespace mirl {
class App;

ConvResult Aroma_Hinzurechnen_AH(App& app, double F, Composition& t, double B);
// k: the flavour row whose change is undone (1 to 7), or 0 for the ticked
// flavours as they stand; previous: use the row's previous percentage.
ConvResult Aroma_Herausrechnen_AE(App& app, double F, Composition& t, double B, int k, bool previous);
// Writes the five target values of t as plain text and runs the master
// refresh.
void Berechnung_Werte_Schreiben(App& app, const Composition& t);

}  // namespace mirl
