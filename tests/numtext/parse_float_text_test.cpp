#include "numtext/parse_float_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "scoped_separators.h"

namespace {

using numtext::ParseFloatText;

struct ParseCase {
  const char* name;
  const char* text;
  std::optional<long double> value;  // nothing: not a number
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name << ": \"" << c.text << '"'; }

class ParseWithPoint : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseWithPoint, ReadsTheValueOrRefuses) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(ParseFloatText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWithPoint,
    testing::Values(
        ParseCase{"BlanksAround", " 12.5 ", 12.5L}, ParseCase{"NoIntegerDigits", "-.5", -0.5L},
        ParseCase{"LoneSeparator", ".", 0.0L}, ParseCase{"TrailingSeparator", "5.", 5.0L},
        ParseCase{"Exponent", "1e3", 1000.0L}, ParseCase{"ExponentWithoutDigits", "1E", 1.0L},
        ParseCase{"SignedExponent", "+25E-1", 2.5L}, ParseCase{"Empty", "", std::nullopt},
        ParseCase{"BlanksOnly", "   ", std::nullopt}, ParseCase{"LoneSign", "-", std::nullopt},
        ParseCase{"ExponentOnly", "e5", std::nullopt},
        ParseCase{"BlankInside", "1 000", std::nullopt},
        ParseCase{"GroupSeparator", "1,000", std::nullopt},
        ParseCase{"LeadingTab", "\t1", std::nullopt}, ParseCase{"TwoSigns", "+-1", std::nullopt},
        ParseCase{"LargeExponent", "1E4932", 1e4932L},
        ParseCase{"Overflow", "1E4999", std::nullopt},
        ParseCase{"DigitLeftAfterExponentStop", "1E5000", std::nullopt},
        ParseCase{"NineteenDigitsExact", "1234567890123456789", 1234567890123456789.0L}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(ParseFloatText, OverlongDigitStringsOverflowToInvalid) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(ParseFloatText(std::string(5000, '9')), std::nullopt);
  EXPECT_EQ(ParseFloatText("0." + std::string(6000, '0') + "1"), 0.0L);
}

TEST(ParseFloatText, UnderflowGivesDenormalOrZero) {
  const ScopedSeparators separators(".", ",");
  const std::optional<long double> denormal = ParseFloatText("1E-4940");
  ASSERT_TRUE(denormal);
  EXPECT_EQ(std::fpclassify(*denormal), FP_SUBNORMAL);
  EXPECT_EQ(ParseFloatText("1E-4999"), 0.0L);
}

TEST(ParseFloatText, MatchesTheFloatingAccumulationBeyondNineteenDigits) {
  const ScopedSeparators separators(".", ",");
  long double expected = 12345678901234567890.0L;
  expected = expected * 10.0L + 1.0L;
  EXPECT_EQ(ParseFloatText("123456789012345678901"), expected);
}

TEST(ParseFloatText, ComparesTheWholeMultibyteSeparator) {
  const ScopedSeparators separators("\u066B", "\u00A0");
  EXPECT_EQ(ParseFloatText("1\u066B5"), 1.5L);
  EXPECT_EQ(ParseFloatText("1\xD9"), std::nullopt);
  EXPECT_EQ(ParseFloatText("1.5"), std::nullopt);
}

TEST(ParseFloatText, CommaSeparatorRefusesThePoint) {
  const ScopedSeparators separators(",", "\u00A0");
  EXPECT_EQ(ParseFloatText("1,5"), 1.5L);
  EXPECT_EQ(ParseFloatText("1.5"), std::nullopt);
}

std::uint16_t ControlWord() {
  std::uint16_t word;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

void LoadControlWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word)); }

// Parses under the caller's state given: rounding upwards on a 53-bit
// mantissa with `pending` flags raised. Checks that the parse still reads
// 0.1 as to nearest and that the caller finds its state unchanged.
void ParseUnderCallersState(int pending) {
  const ScopedSeparators separators(".", ",");
  const long double nearest = *ParseFloatText("0.1");
  std::fenv_t original;
  std::fegetenv(&original);
  const std::uint16_t callers = static_cast<std::uint16_t>((ControlWord() & ~0x0F00) | 0x0A00);
  LoadControlWord(callers);
  std::feclearexcept(FE_ALL_EXCEPT);
  if (pending != 0) std::feraiseexcept(pending);

  const std::optional<long double> parsed = ParseFloatText("0.1");
  const std::optional<long double> overflowed = ParseFloatText("1E4999");
  const std::optional<long double> underflowed = ParseFloatText("1E-4940");
  const std::uint16_t after = ControlWord();
  const int flags = std::fetestexcept(FE_ALL_EXCEPT);
  std::fesetenv(&original);

  EXPECT_EQ(parsed, nearest);
  EXPECT_EQ(overflowed, std::nullopt);
  EXPECT_TRUE(underflowed);
  EXPECT_EQ(after, callers);
  EXPECT_EQ(flags, pending);
}

TEST(ParseFloatText, LeavesTheCallersFloatingPointStateAlone) {
  ParseUnderCallersState(0);
  ParseUnderCallersState(FE_DIVBYZERO);
  ParseUnderCallersState(FE_INEXACT | FE_UNDERFLOW);
}

}  // namespace
