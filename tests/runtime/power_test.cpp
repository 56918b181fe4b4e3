#include "runtime/power.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
