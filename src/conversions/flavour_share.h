#pragma once
// Moving the flavour share into (AH) and out of (AE) the target composition.
#include "conversions/conversion_result.h"

namespace mirl {
class App;

ConvResult Aroma_Hinzurechnen_AH(App& app, double F, double& N, double& PG, double& VG, double& W, double& S,
                                 double B);
// k: the flavour row whose change is undone (1 to 7), or 0 for the ticked
// flavours as they stand; previous: use the row's previous percentage.
ConvResult Aroma_Herausrechnen_AE(App& app, double F, double& N, double& PG, double& VG, double& W, double& S,
                                  double B, int k, bool previous);
// Writes the five target values as plain text and runs the master refresh.
void Berechnung_Werte_Schreiben(App& app, double N, double PG, double VG, double W, double S);

}  // namespace mirl
