#include "numtext/power_of_ten.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using numtext::detail::kScaleLimit;
using numtext::detail::ScaleByPowerOfTen;

TEST(ScaleByPowerOfTen, PowersUpTo27AreExact) {
  long double exact = 1.0L;
  for (int n = 0; n <= 27; ++n) {
    EXPECT_EQ(ScaleByPowerOfTen(1.0L, n), exact) << n;
    EXPECT_EQ(ScaleByPowerOfTen(exact, -n), 1.0L) << n;
    exact *= 10;
  }
}

// The C library's reading of "1e<n>" is the nearest extended value; the
// scaling rounds a few times, so it may lie a few units of the last place off.
TEST(ScaleByPowerOfTen, StaysWithinFourUnitsOfTheNearestValueOverTheNormalRange) {
  constexpr long double kUnit = std::numeric_limits<long double>::epsilon();
  int worst = 0;
  for (int n = -4931; n <= 4931; ++n) {
    const long double nearest = std::strtold(("1e" + std::to_string(n)).c_str(), nullptr);
    const long double scaled = ScaleByPowerOfTen(1.0L, n);
    if (std::fabs(scaled - nearest) > 4 * kUnit * nearest) {
      if (worst++ < 5) ADD_FAILURE() << "10^" << n;
    }
  }
  EXPECT_EQ(worst, 0);
}

TEST(ScaleByPowerOfTen, SaturatesQuietlyAtTheLimit) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, kScaleLimit), std::numeric_limits<long double>::infinity());
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, -kScaleLimit), 0.0L);
  EXPECT_EQ(ScaleByPowerOfTen(0.0L, 4000), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
  EXPECT_GT(ScaleByPowerOfTen(1e-200L, kScaleLimit - 1), 1e4900L) << "below the limit it scales";
}

}  // namespace
