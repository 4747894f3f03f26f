#pragma once
// A property value as the scenario driver and the view exchange it: a truth
// value, a number (colours and indexes are exact in a double) or a text.
#include <string>
#include <variant>

namespace mirl::rt {

using Value = std::variant<bool, double, std::string>;

}  // namespace mirl::rt
