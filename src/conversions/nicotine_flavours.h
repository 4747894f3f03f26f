#pragma once
// Moving the nicotine into (NHA) and out of (NEA) the 100 % of the flavour
// compositions. Without nicotine A + PG + VG + W + S = 100 and the nicotine
// comes on top; including it, A + N / 10 + PG + VG + W + S = 100. The
// strength N never changes. A composition whose parts do not add up to 100
// is refused (NH-2, NE-2; the status names its record) and keeps its values.
#include "conversions/conversion_result.h"

namespace mirl {
class App;

// Rounding form, on the fields passed: the parts are converted and rounded
// to two decimals, then, also after a refusal, a rounding difference is
// compensated twice against the fixed rest (N / 10 + A into the view
// including nicotine, A alone out of it). NEA leaves a composition without
// nicotine untouched.
ConvResult Aroma_HundertProzentN_Umrechnen(App& app, double& A, double& N, double& PG, double& VG, double& W,
                                           double& S, int k);
ConvResult Aroma_HundertProzentN_Rueckrechnen(App& app, double& A, double& N, double& PG, double& VG, double& W,
                                              double& S, int k);

// The rounding form on records 1 to 7 of the flavour-composition table.
void Alle_Aromen_HundertProzentN_Umrechnen(App& app);
void Alle_Aromen_HundertProzentN_Rueckrechnen(App& app);

// Plain form on record k of the table (1 to 7, anything else does nothing):
// converted without rounding or compensation.
ConvResult Aroma_Nr_HundertProzentN_Umrechnen(App& app, int k);
ConvResult Aroma_Nr_HundertProzentN_Rueckrechnen(App& app, int k);

}  // namespace mirl
