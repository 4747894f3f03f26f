#pragma once
#include <array>

namespace mirl {

struct ConversionState {
  // Each flavour's percentage as it stood when its percentage field last got
  // the focus (elements 1 to 7).
  std::array<double, 8> Aroma_Menge_Alt{};
};

}  // namespace mirl
