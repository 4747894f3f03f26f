#pragma once
// A property value as the scenario driver and the view exchange it: a truth
// value, a number (colours and indexes are exact in a double) or a text.
#include <string>
#include <variant>

namespace mirl::rt {

using Value = std::variant<bool, double, std::string>;

inline bool isText(const Value& v) { return std::holds_alternative<std::string>(v); }
inline bool isNumber(const Value& v) { return std::holds_alternative<double>(v); }
inline bool isBool(const Value& v) { return std::holds_alternative<bool>(v); }

}  // namespace mirl::rt
