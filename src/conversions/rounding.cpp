#include "conversions/rounding.h"

#include <array>
#include <functional>

#include "runtime/number.h"

namespace mirl {

namespace {

// Takes up to `excess` from v. True when the excess is used up.
bool takeFrom(double& v, double& excess) {
  if (v == excess) {
    v = 0;
    return true;
  }
  if (v > excess) {
    v = v - excess;
    return true;
  }
  if (v > 0) {
    excess = excess - v;
    v = 0;
  }
  return false;
}

}  // namespace

double r1(double x) { return rt::num::rounded(x, "0.0"); }
double r2(double x) { return rt::num::rounded(x, "0.00"); }
double r7(double x) { return rt::num::rounded(x, "0.0000000"); }

bool Rundungsfehler_Ausgleichen(double& a, double& b, double& c, double& d, double e) {
  const double T = r2(a) + r2(b) + r2(c) + r2(d) + e;
  if (T == 100) return false;
  if (T > 99.91 && T < 100) {
    const double before = d;
    d = d + (100 - T);
    return d != before;
  }
  if (T > 100 && T < 100.09) {
    double excess = T - 100;
    const std::array<std::reference_wrapper<double>, 4> order = {d, c, b, a};
    bool changed = false;
    for (double& v : order) {
      const double before = v;
      const bool done = takeFrom(v, excess);
      changed = changed || v != before;
      if (done) break;
    }
    return changed;
  }
  return false;
}

}  // namespace mirl
