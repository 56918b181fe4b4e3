#include "numtext/power_of_ten.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <iterator>
#include <limits>

namespace {

using namespace numtext;

TEST(PowersOfTen, SpotEntriesAreTheNearestExtendedValues) {
  // The compiler rounds each literal to nearest; from 1e28 on that rounding counts.
  const long double entries[][2] = {
      {kPowersOfTen[0], 1e0L}, {kPowersOfTen[27], 1e27L}, {kPowersOfTen[28], 1e28L},
      {kPowersOfTen[31], 1e31L}, {kPowersOfTenBy32[0], 1e32L}, {kPowersOfTenBy32[6], 1e224L},
      {kPowersOfTenBy32[14], 1e480L}, {kPowersOfTenBy512[0], 1e512L},
      {kPowersOfTenBy512[4], 1e2560L}, {kPowersOfTenBy512[8], 1e4608L}};
  for (std::size_t i = 0; i < std::size(entries); ++i) {
    EXPECT_EQ(entries[i][0], entries[i][1]) << "row " << i;
  }
}

TEST(ScaleByPowerOfTen, MultipliesByUpToThreeEntriesAndSaturatesQuietly) {
  EXPECT_EQ(ScaleByPowerOfTen(7.0L, 4931),
            7.0L * kPowersOfTen[3] * kPowersOfTenBy32[9] * kPowersOfTenBy512[8]);
  EXPECT_EQ(ScaleByPowerOfTen(7.0L, -1030), 7.0L / kPowersOfTen[6] / kPowersOfTenBy512[1]);
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, 5120), std::numeric_limits<long double>::infinity());
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, -5120), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

}  // namespace
