#include "runtime/power.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/errors.h"
#include "runtime/fpstatus.h"

namespace {

struct PowerCase {
  const char* name;
  long double base;
  long double exponent;
  long double expected;
};

// Keeps test names and failure output readable.
void PrintTo(const PowerCase& c, std::ostream* os) { *os << c.name; }

class PowerTest : public testing::TestWithParam<PowerCase> {};

TEST_P(PowerTest, MatchesTheGeneralRules) {
  const PowerCase& c = GetParam();
  EXPECT_EQ(runtime::Power(c.base, c.exponent), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PowerTest,
    testing::Values(PowerCase{"ZeroExponent", 0.0L, 0.0L, 1.0L},
                    PowerCase{"ZeroBasePositiveExponent", 0.0L, 2.5L, 0.0L},
                    PowerCase{"WholeExponentIsExact", 2.0L, 64.0L, 18446744073709551616.0L},
                    PowerCase{"NegativeWholeExponent", 2.0L, -3.0L, 0.125L},
                    PowerCase{"NegativeBaseOddExponent", -3.0L, 3.0L, -27.0L},
                    PowerCase{"FractionalExponent", 4.0L, 0.5L, std::exp(0.5L * std::log(4.0L))}),
    [](const testing::TestParamInfo<PowerCase>& info) { return std::string(info.param.name); });

TEST(IntPower, TinyStepsOfHalvingStayExact) {
  // The column's correction step divides by 2^(k+1) for k up to 1000.
  EXPECT_EQ(runtime::IntPower(2.0L, 1001), std::ldexp(1.0L, 1001));
  EXPECT_EQ(1.0L / runtime::IntPower(2.0L, 101), std::ldexp(1.0L, -101));
}

// The power and whether it raised a fault the calculation would report.
std::pair<long double, bool> PowerAndFault(long double base, long double exponent) {
  runtime::ClearFloatFaults();
  const long double result = runtime::Power(base, exponent);
  try {
    runtime::CheckFloatFaults(result);
  } catch (const runtime::Exception&) {
    return {result, true};
  }
  return {result, false};
}

TEST(Power, NearTheTopOfTheRangeRaisesNoFalseOverflow) {
  // 2^16383 is the largest power of two; squaring on past the last bit the
  // exponent needs would overflow.
  EXPECT_EQ(PowerAndFault(2.0L, 16383.0L), std::make_pair(std::ldexp(1.0L, 16383), false));
  EXPECT_EQ(PowerAndFault(0.5L, -16383.0L), std::make_pair(std::ldexp(1.0L, 16383), false));
  // Through exp and ln: 2^16383.5 = sqrt(2) * 2^16383, below the largest value.
  const auto [root, rootfault] = PowerAndFault(2.0L, 16383.5L);
  EXPECT_FALSE(rootfault);
  EXPECT_NEAR(static_cast<double>(std::ldexp(root, -16383)), 1.4142135623730951, 1e-12);
  // One step further is a real overflow.
  EXPECT_TRUE(PowerAndFault(2.0L, 16384.0L).second);
  EXPECT_TRUE(PowerAndFault(2.0L, 16384.5L).second);
}

}  // namespace
