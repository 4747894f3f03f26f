#pragma once
// The conversions' shared value: each flavour row's percentage from before
// the user edits it. Held by the application; the flavour-share handlers and
// the flavour sums read it.
#include "model/flavour_rows.h"

namespace mirl {

struct ConversionState {
  // Each flavour's percentage as it stood when its percentage field last got
  // the focus.
  FlavourRows<double> Aroma_Menge_Alt{};
};

}  // namespace mirl
