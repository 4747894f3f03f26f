#pragma once
// The seven flavour rows, numbered 1 to 7 everywhere: the rows of the main
// window and of the flavour window, the records of the flavour table.
#include "runtime/rows.h"

namespace mirl {

inline constexpr int kFlavourRows = 7;
template <class T>
using FlavourRows = rt::Rows<T, kFlavourRows>;
// The row numbers 1 to 7.
inline constexpr auto kFlavourRowNumbers = FlavourRows<int>::numbers();

}  // namespace mirl
