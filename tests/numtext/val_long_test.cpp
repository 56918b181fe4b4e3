#include "numtext/val_long.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

using numtext::ValLong;

struct IntCase {
  const char* name;
  const char* text;
  bool valid;
  std::int32_t value;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << c.name << ": \"" << c.text << '"'; }

class ValLongTable : public testing::TestWithParam<IntCase> {};

TEST_P(ValLongTable, ReadsTheValueOrGivesAnErrorPosition) {
  const IntCase& c = GetParam();
  const numtext::ValLongResult result = ValLong(c.text);
  if (c.valid) {
    EXPECT_EQ(result.ErrorPosition, 0U);
    EXPECT_EQ(result.Value, c.value);
  } else {
    EXPECT_NE(result.ErrorPosition, 0U);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValLongTable,
    testing::Values(
        IntCase{"Plain", "1000", true, 1000}, IntCase{"LeadingBlank", " 20", true, 20},
        IntCase{"TrailingBlank", "20 ", false, 0}, IntCase{"Plus", "+7", true, 7},
        IntCase{"Smallest", "-2147483648", true, INT32_MIN},
        IntCase{"Largest", "2147483647", true, INT32_MAX},
        IntCase{"BeyondLargest", "2147483648", false, 0},
        IntCase{"BeyondSmallest", "-2147483649", false, 0},
        IntCase{"TenDigitsOverflowEarly", "9999999999", false, 0},
        IntCase{"Dollar", "$FF", true, 255}, IntCase{"ZeroX", "0x1F", true, 31},
        IntCase{"LoneX", "x10", true, 16}, IntCase{"NegativeHex", "-$10", true, -16},
        IntCase{"HexBitPattern", "$FFFFFFFF", true, -1},
        IntCase{"HexSmallestNegated", "-$80000000", true, INT32_MIN},
        IntCase{"HexNineDigits", "$100000000", false, 0},
        IntCase{"HexWithoutDigits", "0x", false, 0}, IntCase{"BadHexDigit", "$FG", false, 0},
        IntCase{"LeadingZeroIsDecimal", "012", true, 12}, IntCase{"Zero", "0", true, 0},
        IntCase{"Fraction", "1.5", false, 0}, IntCase{"Empty", "", false, 0},
        IntCase{"BlanksOnly", "  ", false, 0}, IntCase{"LoneSign", "-", false, 0},
        IntCase{"TwoSigns", "--1", false, 0}),
    [](const testing::TestParamInfo<IntCase>& info) { return info.param.name; });

}  // namespace
