#pragma once

#include <climits>
#include <cmath>

namespace chart {

// Nearest integer, halves to the even neighbour (the default rounding mode).
// Values beyond the int range saturate and a NaN gives 0, so no caller can
// meet an undefined conversion.
inline int Round(long double x) {
  if (!(x == x)) return 0;
  if (x >= static_cast<long double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<long double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(std::nearbyint(x));
}

// Cuts the fraction toward zero, keeping the value a float.
inline double Int(double x) { return std::trunc(x); }

}  // namespace chart
