#pragma once
// Moving the nicotine into (NH) and out of (NE) the 100 % of one group of the
// main window: a strength field in mg/ml and the four percentage fields PG,
// VG, water and other. Percentages are stored with two decimals; the
// strength never changes.
#include "conversions/conversion_result.h"
#include "runtime/control.h"

namespace mirl {
class App;

struct NicotineGroup {
  rt::TextBox* strength;
  rt::TextBox* pg;
  rt::TextBox* vg;
  rt::TextBox* water;
  rt::TextBox* other;
};

// NH: each percentage X becomes (100 - N / 10) * X / 100. Refused with NH-2
// when the four percentages do not add up to exactly 100.
ConvResult Nikotin_Hinzurechnen_NH(App& app, const NicotineGroup& g);
// NE: each percentage X becomes X * 100 / (100 - N / 10), then a rounding
// difference of the four is compensated. Refused with NE-2 when N / 10 and
// the percentages do not add up to exactly 100.
ConvResult Nikotin_Herausrechnen_NE(App& app, const NicotineGroup& g);

}  // namespace mirl
