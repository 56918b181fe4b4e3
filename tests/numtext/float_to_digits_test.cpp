#include "numtext/float_to_digits.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>

namespace {

using numtext::FloatToDigits;
using numtext::TFloatDigits;

struct DigitsCase {
  const char* name;
  long double value;
  int precision;
  int decimals;
  const char* digits;
  int exponent;
  bool negative;
};

void PrintTo(const DigitsCase& c, std::ostream* os) { *os << c.name; }

class FloatToDigitsTable : public testing::TestWithParam<DigitsCase> {};

TEST_P(FloatToDigitsTable, GivesDigitsExponentAndSign) {
  const DigitsCase& c = GetParam();
  const TFloatDigits result = FloatToDigits(c.value, c.precision, c.decimals);
  EXPECT_EQ(std::string(result.DigitText()), c.digits);
  EXPECT_EQ(result.Exponent, c.exponent);
  EXPECT_EQ(result.Negative, c.negative);
  EXPECT_EQ(std::strlen(result.Digits), result.Length);
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatToDigitsTable,
    testing::Values(
        DigitsCase{"HalfAwayFromZeroOnTheDigits", 0.125L, 18, 2, "13", 0, false},
        DigitsCase{"NegativeHalf", -2.5L, 18, 0, "3", 1, true},
        DigitsCase{"CarryThroughNines", 9.96L, 18, 1, "1", 2, false},
        DigitsCase{"CutAtFirstDigitRoundsUp", 0.5L, 18, 0, "1", 1, false},
        DigitsCase{"CutAtFirstDigitRoundsAway", -0.4L, 18, 0, "", 0, false},
        DigitsCase{"ZeroAtTheCutKeepsTheEstimate", 0.0004L, 18, 3, "", -3, false},
        DigitsCase{"VanishesBeforeTheCut", 0.00004L, 18, 3, "", 0, false},
        DigitsCase{"PrecisionCuts", 1.0L / 3.0L, 15, 9999, "333333333333333", 0, false},
        DigitsCase{"EighteenDigitsAtMost", 123456789.123456789L, 18, 9999, "123456789123456789", 9,
                   false},
        DigitsCase{"EstimateOneTooLow", 0.001L, 18, 9999, "1", -2, false},
        DigitsCase{"TenthOfTieStaysEven", 1000000000000000005.0L, 18, 9999, "1", 19, false},
        DigitsCase{"TenthOfTieGoesToEven", 1000000000000000015.0L, 18, 9999,
                   "100000000000000002", 19, false},
        DigitsCase{"NegativeZero", -0.0L, 18, 9999, "", 0, false},
        DigitsCase{"DenormalIsZero", std::numeric_limits<long double>::denorm_min() * 7, 18, 9999,
                   "", 0, false},
        DigitsCase{"Infinity", kInf, 18, 9999, "", TFloatDigits::kInfinity, false},
        DigitsCase{"NegativeInfinity", -kInf, 18, 9999, "", TFloatDigits::kInfinity, true},
        DigitsCase{"NaN", -std::numeric_limits<long double>::quiet_NaN(), 18, 9999, "",
                   TFloatDigits::kNaN, false},
        // The three divisions leave the 18th digit one below the correctly
        // rounded ...177: the text follows the scaling steps.
        DigitsCase{"Largest", std::numeric_limits<long double>::max(), 18, 9999,
                   "118973149535723176", 4933, false},
        DigitsCase{"SmallestNormal", std::numeric_limits<long double>::min(), 18, 9999,
                   "336210314311209351", -4931, false}),
    [](const testing::TestParamInfo<DigitsCase>& info) { return info.param.name; });

long double FromBits(std::uint64_t mantissa, std::uint16_t signExponent) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &mantissa, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

TEST(FloatToDigits, OddEncodingsAreInfinityOrNaN) {
  // Top-exponent encodings without the integer bit count as infinity.
  EXPECT_EQ(FloatToDigits(FromBits(0x1234, 0xFFFF), 18, 0).Exponent, TFloatDigits::kInfinity);
  // A finite exponent without the integer bit (unnormal) has no value.
  EXPECT_EQ(FloatToDigits(FromBits(0x4000000000000000, 0x3FFF), 18, 0).Exponent, TFloatDigits::kNaN);
  // A denormal exponent with the integer bit set is still zero.
  EXPECT_EQ(FloatToDigits(FromBits(0x8000000000000000, 0x0000), 18, 0).Length, 0);
}

TEST(FloatToDigits, EstimateOneTooHighLeavesALeadingZero) {
  const long double value = std::ldexp(1.0L, -681);
  const TFloatDigits result = FloatToDigits(value, 18, 9999);
  EXPECT_EQ(result.Exponent, -204);
  EXPECT_EQ(result.Digits[0], '0');
  EXPECT_NEAR(std::stold(std::string("0.") + result.Digits + "e-204") / value, 1.0L, 1e-15L);
}

TEST(FloatToDigits, RaisesNoFaultOnAnyFiniteMagnitude) {
  const long double values[] = {std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::min(), 1.0L, 1e-300L, 1e300L};
  for (const long double value : values) {
    std::feclearexcept(FE_ALL_EXCEPT);
    FloatToDigits(value, 18, 9999);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), 0) << static_cast<double>(value);
  }
}

}  // namespace
