#include "numtext/float_to_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "scoped_separators.h"

namespace {

std::string General(long double value, int precision = 15) {
  numtext::TextBuffer buffer;
  const std::size_t written = numtext::FloatToText(buffer, value, precision);
  EXPECT_EQ(written, buffer.size());
  return buffer.str();
}

struct GeneralCase {
  const char* name;
  long double value;
  const char* text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }

class GeneralForm : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralForm, WritesFifteenSignificantDigits) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(General(GetParam().value), GetParam().text);
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralForm,
    testing::Values(GeneralCase{"Zero", 0.0L, "0"}, GeneralCase{"NegativeZero", -0.0L, "0"},
                    GeneralCase{"Half", 0.5L, "0.5"}, GeneralCase{"Whole", 1200.0L, "1200"},
                    GeneralCase{"TenThousandth", 0.0001L, "0.0001"},
                    GeneralCase{"SmallGoesScientific", 0.00001L, "1E-5"},
                    GeneralCase{"SixteenDigitsGoScientific", 1e15L, "1E15"},
                    GeneralCase{"FifteenDigitsStayFixed", 123456789012345.0L, "123456789012345"},
                    GeneralCase{"Third", 1.0L / 3.0L, "0.333333333333333"},
                    GeneralCase{"Negative", -2.5L, "-2.5"},
                    GeneralCase{"MantissaAndExponent", 1.5e20L, "1.5E20"},
                    GeneralCase{"RoundsAtFifteenDigits", 2.0L / 3.0L, "0.666666666666667"},
                    GeneralCase{"Infinity", kInf, "INF"}, GeneralCase{"NegativeInfinity", -kInf, "-INF"},
                    GeneralCase{"NaN", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
                    GeneralCase{"Denormal", std::numeric_limits<long double>::denorm_min(), "0"}),
    [](const testing::TestParamInfo<GeneralCase>& info) { return info.param.name; });

TEST(FloatToText, UsesTheDecimalSeparatorButNoGroups) {
  const ScopedSeparators separators("\u066B", "\u00A0");
  EXPECT_EQ(General(1234.5L), "1234\u066B5");
  EXPECT_EQ(General(1.25e-7L), "1\u066B25E-7");
}

TEST(FloatToText, HoldsThePrecisionBetweenTwoAndEighteen) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(General(1.0L / 3.0L, 0), "0.33");
  EXPECT_EQ(General(1.0L / 3.0L, 40), "0.333333333333333333");
  EXPECT_EQ(General(1234.0L, 2), "1.2E3");
}

}  // namespace
