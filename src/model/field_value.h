#pragma once
// Reading a field's text as a number with the decimal comma. A text that is
// not a number leaves the target unchanged (the reading statement is
// skipped), which is what every calculation expects of a bad field.
#include <optional>

#include "runtime/control.h"
#include "runtime/number.h"

namespace mirl {

inline std::optional<double> fieldNumber(const rt::TextBox& box) { return rt::num::parse(box.Text()); }

// Assigns the field's number to out; false (out unchanged) when the text is
// not a number.
inline bool readField(const rt::TextBox& box, double& out) {
  if (auto v = rt::num::parse(box.Text())) {
    out = *v;
    return true;
  }
  return false;
}

// The field's number, or fallback when the text is not a number.
inline double fieldOr(const rt::TextBox& box, double fallback) {
  auto v = rt::num::parse(box.Text());
  return v ? *v : fallback;
}

}  // namespace mirl
