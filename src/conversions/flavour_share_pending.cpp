// Stand-in until the flavour-share conversions land.
#include "conversions/flavour_share.h"

namespace mirl {
ConvResult Aroma_Hinzurechnen_AH(App&, double, double&, double&, double&, double&, double&, double) { return {}; }
ConvResult Aroma_Herausrechnen_AE(App&, double, double&, double&, double&, double&, double&, double, int, bool) {
  return {};
}
void Berechnung_Werte_Schreiben(App&, double, double, double, double, double) {}
}  // namespace mirl
