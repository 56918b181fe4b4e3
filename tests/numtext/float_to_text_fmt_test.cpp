#include "numtext/float_to_text_fmt.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "scoped_separators.h"

namespace {

std::string Format(std::string_view pattern, long double value) {
  numtext::TextBuffer buffer;
  const std::size_t written = numtext::FloatToTextFmt(buffer, value, pattern);
  EXPECT_EQ(written, buffer.size());
  return buffer.str();
}

struct PatternCase {
  const char* name;
  const char* pattern;
  long double value;
  const char* text;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.name << ": \"" << c.pattern << "\" with " << static_cast<double>(c.value);
}

class PictureFormat : public testing::TestWithParam<PatternCase> {};

TEST_P(PictureFormat, WritesTheExpectedText) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(Format(GetParam().pattern, GetParam().value), GetParam().text);
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kDenormal = std::numeric_limits<long double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    ReportAndChartPatterns, PictureFormat,
    testing::Values(
        PatternCase{"BelowHalf", "0", 0.4L, "0"}, PatternCase{"Half", "0", 0.5L, "1"},
        PatternCase{"HalfAwayFromZero", "0", 2.5L, "3"},
        PatternCase{"NegativeHalfAwayFromZero", "0", -2.5L, "-3"},
        PatternCase{"NoSignOnRoundedZero", "0", -0.4L, "0"},
        PatternCase{"NoGroupingWithoutComma", "0", 1234.6L, "1235"},
        PatternCase{"CarryIntoNewDigit", "0.0", 9.96L, "10.0"},
        PatternCase{"DecimalHalfAway", "0.0", 0.25L, "0.3"},
        PatternCase{"LeadingZero", "00.0", 5.25L, "05.3"},
        PatternCase{"SurplusDigitsAtFirstPlaceholder", "00.0", 123.4L, "123.4"},
        PatternCase{"SmallValueKeepsZeros", "00.0", 0.04L, "00.0"},
        PatternCase{"NegativeWithZeros", "00.00", -5.5L, "-05.50"},
        PatternCase{"Hundred", "00.00", 100.0L, "100.00"},
        PatternCase{"EighthAtTwoDecimals", "00.00", 0.125L, "00.13"},
        PatternCase{"GroupedZero", "#,##0.###", 0.0L, "0"},
        PatternCase{"GroupedMillions", "#,##0.###", 1234567.5L, "1,234,567.5"},
        PatternCase{"GroupedNegative", "#,##0.###", -1234.5L, "-1,234.5"},
        PatternCase{"OptionalDecimals", "#,##0.###", 0.0625L, "0.063"},
        PatternCase{"ZeroAtTheCutWritesZeros", "#,##0.###", 0.0004L, "0.000"},
        PatternCase{"VanishingValueIsPlainZero", "#,##0.###", 0.00004L, "0"},
        PatternCase{"PercentIsLiteral", "##0.## %", 12.5L, "12.5 %"},
        PatternCase{"NegativeSectionHasNoAutomaticSign", "0.00;(0.00)", -1.5L, "(1.50)"},
        PatternCase{"RoundedZeroUsesFirstSection", "0.00;(0.00)", -0.001L, "0.00"},
        PatternCase{"GeneralFormFromTenToTheEighteen", "0.00", 1e20L, "1E20"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Sections, PictureFormat,
    testing::Values(
        PatternCase{"NegativeZeroEndsInZeroSection", "0;(0);zero", -0.0L, "zero"},
        PatternCase{"NegativeZeroWithoutZeroSection", "0.0;(0.0)", -0.0L, "0.0"},
        PatternCase{"PositiveZeroSection", "0;(0);zero", 0.0L, "zero"},
        PatternCase{"NegativeDenormalIsZero", "0.0;neg;zero", -kDenormal, "zero"},
        PatternCase{"EmptyNegativeSectionFallsBack", "0;;zero", -3.0L, "-3"},
        PatternCase{"EmptyPatternIsGeneral", "", 2.5L, "2.5"},
        PatternCase{"EmptyFirstSectionIsGeneral", ";(0)", -2.5L, "-2.5"},
        PatternCase{"QuotedSemicolonSeparatesNothing", "\"a;b\"0;neg", 5.0L, "a;b5"},
        PatternCase{"QuotedSemicolonNegative", "\"a;b\"0;neg", -5.0L, "neg"},
        PatternCase{"ExtraSectionsIgnored", "0;n;z;w", 0.0L, "z"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Literals, PictureFormat,
    testing::Values(PatternCase{"QuotedPlaceholders", "'#'0\"0,.\"", 5.0L, "#50,."},
                    PatternCase{"UnclosedQuoteRunsToTheEnd", "0'x;0", 5.0L, "5x;0"},
                    PatternCase{"LetterEWithoutSign", "0 Ex", 5.0L, "5 Ex"},
                    PatternCase{"NoPlaceholders", "abc", -5.0L, "-abc"},
                    PatternCase{"MultibyteLiteral", "0 \u00B0C", 78.4L, "78 \u00B0C"},
                    PatternCase{"CommaAnywhereGroups", "0.00,", 1234.5L, "1,234.50"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Exponents, PictureFormat,
    testing::Values(PatternCase{"TwoDigitExponent", "0.00E+00", 12345.0L, "1.23E+04"},
                    PatternCase{"NegativeExponent", "0.00e-00", 0.000123L, "1.23e-04"},
                    PatternCase{"MinusPatternOmitsPlus", "0.0E-0", 5e300L, "5.0E300"},
                    PatternCase{"WidthCappedAtFour", "0E+000000", 1234.0L, "1E+0003"},
                    PatternCase{"ZeroHasExponentZero", "0.0E+00", 0.0L, "0.0E+00"},
                    PatternCase{"SignificantDigitsRounded", "#.##E+0", 0.0099996L, "1E-2"},
                    PatternCase{"NoFallbackWhenScientific", "0.0E+0", 1e20L, "1.0E+20"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    GeneralFallbacks, PictureFormat,
    testing::Values(PatternCase{"TenToTheEighteen", "0", 1e18L, "1E18"},
                    PatternCase{"JustBelowTenToTheEighteen", "0", 999999999999999999.0L,
                                "999999999999999999"},
                    PatternCase{"Infinity", "0.00", kInf, "INF"},
                    PatternCase{"NegativeInfinity", "0.00;(0.00)", -kInf, "-INF"},
                    PatternCase{"NaN", "0.00", std::numeric_limits<long double>::quiet_NaN(), "NAN"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

TEST(FloatToTextFmt, GroupsWithAMultibyteSeparator) {
  const ScopedSeparators separators(",", "\u202F");
  EXPECT_EQ(Format("#,##0.00", 1234567.891L), "1\u202F234\u202F567,89");
}

TEST(FloatToTextFmt, EmptyThousandSeparatorWritesNoGroups) {
  const ScopedSeparators separators(".", "");
  EXPECT_EQ(Format("#,##0.###", 1234.0L), "1234");
}

TEST(FloatToTextFmt, CommaDecimalSeparator) {
  const ScopedSeparators separators(",", "\u00A0");
  EXPECT_EQ(Format("0.0", 1.5L), "1,5");
}

TEST(FloatToTextFmt, OutputBeyondTheFixedAreaIsWrittenWhole) {
  const ScopedSeparators separators(".", "\u00A0");
  const std::string pattern = "#," + std::string(200, '0');
  const std::string text = Format(pattern, 1.0L);
  // 200 digits, a two-byte separator before every group of three but the first.
  ASSERT_EQ(text.size(), 200U + 2U * 66U);
  EXPECT_EQ(text.substr(0, 4), "00\u00A0");
  EXPECT_EQ(text.substr(text.size() - 5), "\u00A0001");
}

}  // namespace
