#pragma once
// Rounding by formatting with a fixed pattern and reading the text back, and
// the compensation that pulls four rounded parts and a fixed rest back to
// exactly 100 %.
namespace mirl {

double r1(double x);  // "0.0"
double r2(double x);  // "0.00"
double r7(double x);  // "0.0000000"

// Brings the total r2(a) + r2(b) + r2(c) + r2(d) + e to exactly 100 when it
// lies strictly between 99.91 and 100.09: a shortfall is added to d, an
// excess is taken from d, then c, then b, then a, each down to 0 at most.
// a to d are not rounded themselves. True when a value changed.
bool Rundungsfehler_Ausgleichen(double& a, double& b, double& c, double& d, double e);

}  // namespace mirl
