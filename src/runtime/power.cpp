#include "runtime/power.h"

#include <cmath>

namespace runtime {

long double IntPower(long double base, long long exponent) {
  unsigned long long remaining = exponent < 0 ? 0ULL - static_cast<unsigned long long>(exponent)
                                              : static_cast<unsigned long long>(exponent);
  long double result = 1.0L;
  long double square = base;
  while (remaining > 0) {
    if (remaining & 1ULL) result *= square;
    remaining >>= 1;
    if (remaining > 0) square *= square;
  }
  return exponent < 0 ? 1.0L / result : result;
}

long double Power(long double base, long double exponent) {
  if (exponent == 0.0L) return 1.0L;
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L) {
    return IntPower(base, static_cast<long long>(exponent));
  }
  return std::exp(exponent * std::log(base));
}

}  // namespace runtime
