#pragma once
// Arithmetic of the live analysis as the form runtime does it: a result that
// is not a finite number (an overflow, 0 / 0) makes its statement fail, and a
// failed statement leaves its target as it was.
#include <cmath>
#include <optional>

namespace mirl::live {

// target = value when value is finite; false (target unchanged) otherwise.
inline bool assignFinite(double& target, double value) {
  if (!std::isfinite(value)) return false;
  target = value;
  return true;
}

// A quotient that the runtime would compute: nothing for a zero divisor or
// a result that is not finite.
inline std::optional<double> divide(double a, double b) {
  if (b == 0) return std::nullopt;
  const double q = a / b;
  if (!std::isfinite(q)) return std::nullopt;
  return q;
}

}  // namespace mirl::live
