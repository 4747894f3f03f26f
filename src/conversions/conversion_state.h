#pragma once
#include "model/flavour_rows.h"

namespace mirl {

struct ConversionState {
  // Each flavour's percentage as it stood when its percentage field last got
  // the focus.
  FlavourRows<double> Aroma_Menge_Alt{};
};

}  // namespace mirl
