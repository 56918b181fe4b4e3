#include "numtext/numtext.h"

#include <fpu_control.h>
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "runtime/errors.h"
#include "support/scoped_separators.h"

namespace {

using namespace numtext;

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
// Eighteen significant digits, all the digit generator gives.
constexpr const char* kAllDigits = "0.#################E+0";

// An 80-bit encoding that no arithmetic produces.
long double Encoded(std::uint64_t mantissa, std::uint16_t signExponent) {
  struct Bits {
    std::uint64_t mantissa;
    std::uint16_t signExponent, padding[3];
  };
  return std::bit_cast<long double>(Bits{mantissa, signExponent, {}});
}

template <class Call>
std::string ConvertErrorOf(Call call) {
  try {
    call();
  } catch (const runtime::EConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(FormatFloat, WritesThePictureWithoutRaisingFaults) {
  const ScopedSeparators separators(".", ",");
  const struct {
    const char* pattern;
    long double value;
    const char* text;
  } cases[] = {
      {"0", 0.4L, "0"}, {"0", 0.5L, "1"}, {"0", 2.5L, "3"}, {"0", -2.5L, "-3"},
      {"0", -0.4L, "0"}, {"0", 1234.6L, "1235"}, {"0.0", 9.96L, "10.0"}, {"0.0", 0.25L, "0.3"},
      {"00.0", 5.25L, "05.3"}, {"00.0", 123.4L, "123.4"}, {"00.0", 0.04L, "00.0"},
      {"00.00", -5.5L, "-05.50"}, {"00.00", 100.0L, "100.00"}, {"00.00", 0.125L, "00.13"},
      {"#,##0.###", 0.0L, "0"}, {"#,##0.###", 1234567.5L, "1,234,567.5"},
      {"#,##0.###", -1234.5L, "-1,234.5"}, {"#,##0.###", 0.0625L, "0.063"},
      {"#,##0.###", 0.0004L, "0.000"},  // zero at the cut: every decimal placeholder writes
      {"#,##0.###", 0.00004L, "0"},     // vanishes before the cut: a plain zero
      {"0.00,", 1234.5L, "1,234.50"}, {"##0.## %", 12.5L, "12.5 %"},
      // Sections: a negative one has no automatic sign; zero after rounding
      // takes the zero section or the first.
      {"0.00;(0.00)", -1.5L, "(1.50)"}, {"0.00;(0.00)", -0.001L, "0.00"},
      {"0;(0);zero", -0.0L, "zero"}, {"0.0;(0.0)", -0.0L, "0.0"}, {"0;(0);zero", 0.0L, "zero"},
      {"0.0;neg;zero", -std::numeric_limits<long double>::denorm_min(), "zero"},
      {"0;;zero", -3.0L, "-3"}, {"0;n;z;w", 0.0L, "z"}, {"", 2.5L, "2.5"}, {";(0)", -2.5L, "-2.5"},
      // Quotes and literals.
      {"\"a;b\"0;neg", 5.0L, "a;b5"}, {"\"a;b\"0;neg", -5.0L, "neg"},
      {"'#'0\"0,.\"", 5.0L, "#50,."}, {"0'x;0", 5.0L, "5x;0"}, {"0 Ex", 5.0L, "5 Ex"},
      {"abc", -5.0L, "-abc"}, {"0 \u00B0C", 78.4L, "78 \u00B0C"},
      // Exponents: at least as many digits as zeros, at most four.
      {"0.00E+00", 12345.0L, "1.23E+04"}, {"0.00e-00", 0.000123L, "1.23e-04"},
      {"0.0E-0", 5e300L, "5.0E300"}, {"0E+000000", 1234.0L, "1E+0003"},
      {"0.0E+00", 0.0L, "0.0E+00"}, {"#.##E+0", 0.0099996L, "1E-2"}, {"0.0E+0", 1e20L, "1.0E+20"},
      // The general form from 1e18 on, for infinities and NaN.
      {"0.00", 1e20L, "1E20"}, {"0", 1e18L, "1E18"},
      {"0", 999999999999999999.0L, "999999999999999999"}, {"0.00", kInf, "INF"},
      {"0.00;(0.00)", -kInf, "-INF"}, {"0.00", kNaN, "NAN"},
      // The digits: one scaling of the value, one rounding to nearest.
      {kAllDigits, kMax, "1.18973149535723176E+4932"},
      {kAllDigits, std::numeric_limits<long double>::min(), "3.36210314311209351E-4932"},
      {kAllDigits, 1000000000000000005.0L, "1E+18"},
      {kAllDigits, 1000000000000000015.0L, "1.00000000000000002E+18"},
      {kAllDigits, 0x1p-681L, "0.99671949510975675E-205"},  // decimal exponent estimated one high
      {"0", Encoded(0x1234, 0xFFFF), "-INF"}, {"0", Encoded(0x4000000000000000, 0x3FFF), "NAN"},
      {"0", Encoded(0x8000000000000000, 0x0000), "0"},
  };
  for (const auto& c : cases) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text)
        << '"' << c.pattern << "\" with " << static_cast<double>(c.value);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), 0) << c.text;
  }
}

// The exponent is the decimal digits of its value, led by zeros up to the
// number of "0"s after the sign (at most four); zero has one digit.
TEST(FormatFloat, WritesExponentDigitsEvenWithoutZerosInThePattern) {
  const ScopedSeparators separators(".", ",");
  const struct {
    const char* pattern;
    long double value;
    const char* text;
  } cases[] = {
      {"0.0E+", 1.5L, "1.5E+0"},        {"0.0E-", 1.5L, "1.5E0"},
      {"0.0e+", 1.5L, "1.5e+0"},        {"0.0e-", 1.5L, "1.5e0"},
      {"0.0E+", 1.5e-7L, "1.5E-7"},     {"0.0E-", 1.5e12L, "1.5E12"},
      {"0.0E+", 0.0L, "0.0E+0"},        {"0.0e-", 0.0L, "0.0e0"},
      {"0.0E+0", 1.5L, "1.5E+0"},       {"0.0E-00", 1.5L, "1.5E00"},
      {"0.0e+000", 1.5e12L, "1.5e+012"}, {"0.0e-0000", 1.5e-7L, "1.5e-0007"},
      {"0.0E+00000", 1.5L, "1.5E+0000"}, {"0.0E+00", 0.0L, "0.0E+00"},
      {"0.0E-0000", -1.5e300L, "-1.5E0300"},
      // No placeholder keeps no digit: the digits vanish and the exponent is 0.
      {"e-\"%;0\"", 1.5L, "e0%;0"},      {"e-\"%;0\"", 12345.0L, "e0%;0"},
      {"E+", 0.0L, "E+0"},              {"E+", 1.5L, "E+0"},
      {"0E-", 0.0L, "0E0"},             {"#E+", -3.0L, "-3E+0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text)
        << '"' << c.pattern << "\" with " << static_cast<double>(c.value);
  }
}

TEST(FormatFloat, LimitsThePatternButNotTheOutput) {
  const ScopedSeparators separators(".", "\u00A0");
  EXPECT_EQ(FormatFloat(std::string(224, '0'), 5.0L), std::string(223, '0') + "5");
  EXPECT_EQ(ConvertErrorOf([] { FormatFloat(std::string(225, '0'), 5.0L); }),
            "Format string too long");
  EXPECT_EQ(ConvertErrorOf([] { FormatFloat(std::string(225, '\xFF'), 5.0L); }),
            "Format string too long");  // a malformed byte counts as a character
  std::string cyrillic;  // 224 characters in 447 bytes
  for (int i = 0; i < 223; ++i) cyrillic += "\u0436";
  EXPECT_EQ(FormatFloat("0" + cyrillic, 5.0L), "5" + cyrillic);
  std::string grouped = "00";  // 200 digits with a two-byte group separator
  for (int i = 0; i < 66; ++i) grouped += i < 65 ? "\u00A0000" : "\u00A0001";
  EXPECT_EQ(FormatFloat("#," + std::string(200, '0'), 1.0L), grouped);
}

TEST(FloatToStr, WritesFifteenSignificantDigits) {
  const ScopedSeparators separators(".", ",");
  const std::pair<long double, const char*> cases[] = {
      {0.0L, "0"}, {-0.0L, "0"}, {0.5L, "0.5"}, {-2.5L, "-2.5"}, {1200.0L, "1200"},
      {0.0001L, "0.0001"}, {0.00001L, "1E-5"}, {1e15L, "1E15"}, {1.5e20L, "1.5E20"},
      {123456789012345.0L, "123456789012345"}, {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"}, {kInf, "INF"}, {-kInf, "-INF"},
      {kNaN, "NAN"}, {std::numeric_limits<long double>::denorm_min(), "0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FloatToStr(value), text);
}

TEST(StrToFloat, ReadsTheNumberOrNamesTheWholeText) {
  const ScopedSeparators separators(".", ",");
  const std::pair<std::string, std::optional<long double>> cases[] = {
      {" 12.5 ", 12.5L}, {"-.5", -0.5L}, {".", 0.0L}, {"5.", 5.0L}, {"1e3", 1000.0L}, {"1E", 1.0L},
      {"+25E-1", 2.5L}, {"1E4932", 1e4932L}, {"1E-4999", 0.0L},
      {"0." + std::string(6000, '0') + "1", 0.0L},
      {"1234567890123456789", 1234567890123456789.0L},
      // Digits beyond the nineteenth accumulate in rounded floating steps.
      {"123456789012345678901", 12345678901234567890.0L * 10 + 1},
      {"", {}}, {"   ", {}}, {"-", {}}, {"+-1", {}}, {"e5", {}}, {"\t1", {}}, {"1 000", {}},
      {"1,000", {}}, {"1E4999", {}}, {std::string(5000, '9'), {}},
      {"1E5000", {}}, {"0E5000", {}}};  // a digit is left after the exponent reached 500
  for (const auto& [text, value] : cases) {
    if (value) {
      EXPECT_EQ(StrToFloat(text), *value) << text;
    } else {
      EXPECT_EQ(ConvertErrorOf([&] { StrToFloat(text); }),
                "'" + text + "' is not a valid floating point value");
    }
  }
}

// Once the digits overflow, no scaling makes the text a number: from a
// scale of 10^-5120 on the scaling alone would give 0.
TEST(StrToFloat, RefusesDigitsThatOverflowWhateverTheScale) {
  const ScopedSeparators separators(".", ",");
  const auto zeros = [](int n) { return std::string(static_cast<std::size_t>(n), '0'); };
  const std::string refused[] = {
      "15." + zeros(5119),           "15." + zeros(5120),
      "15." + zeros(5121),           "15." + zeros(5200),
      "15" + zeros(3000) + "." + zeros(5120), "1" + zeros(5000) + "E-5200",
      "-2" + zeros(4932),            "1" + zeros(4940) + "." + zeros(200),
  };
  for (const std::string& text : refused) {
    EXPECT_EQ(ConvertErrorOf([&] { StrToFloat(text); }),
              "'" + text + "' is not a valid floating point value")
        << text.size() << " characters";
  }
  // Digits that fit are scaled as usual, to a small value or to 0.
  EXPECT_EQ(StrToFloat("1" + zeros(4932)), 1e4932L);
  EXPECT_NEAR(static_cast<double>(StrToFloat("1." + zeros(4931))), 1.0, 1e-15);
  EXPECT_EQ(StrToFloat("0." + zeros(5119) + "15"), 0.0L);
}

TEST(StrToInt, ReadsTheNumberOrNamesTheWholeText) {
  const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
      {"1000", 1000}, {" 20", 20}, {"+7", 7}, {"0", 0}, {"012", 12}, {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN}, {"$FF", 255}, {"0x1F", 31}, {"x10", 16}, {"-$10", -16},
      {"$FFFFFFFF", -1}, {"-$80000000", INT32_MIN}, {"", {}}, {"  ", {}}, {"-", {}},
      {"--1", {}}, {"20 ", {}}, {"1.5", {}}, {"2147483648", {}}, {"-2147483649", {}},
      {"9999999999", {}}, {"$100000000", {}}, {"0x", {}}, {"$FG", {}}};
  for (const auto& [text, value] : cases) {
    if (value) {
      EXPECT_EQ(StrToInt(text), *value) << text;
    } else {
      EXPECT_EQ(ConvertErrorOf([&] { StrToInt(text); }),
                "'" + text + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(IntToStr(INT32_MIN) + " " + IntToStr(0) + " " + IntToStr(20), "-2147483648 0 20");
}

TEST(NumberText, UsesTheSeparatorsInForce) {
  const long double value = 1234567.25L;
  // The value grouped and in the general form, which reads back; a text that
  // does not read under these separators.
  const struct {
    const char *decimal, *thousand, *grouped, *general, *refused;
  } cases[] = {
      {".", ",", "1,234,567.25", "1234567.25", "1,234,567.25"},
      {",", "\u202F", "1\u202F234\u202F567,25", "1234567,25", "1234567.25"},
      {"\u066B", "\u00A0", "1\u00A0234\u00A0567\u066B25", "1234567\u066B25", "1234567\xD9"},
      {".", "", "1234567.25", "1234567.25", "1 234"},
      {",", ".", "1.234.567,25", "1234567,25", "1.234.567,25"}};
  for (const auto& c : cases) {
    const ScopedSeparators separators(c.decimal, c.thousand);
    EXPECT_EQ(FormatFloat("#,##0.0#", value), c.grouped);
    EXPECT_EQ(FloatToStr(value), c.general);
    EXPECT_EQ(StrToFloat(c.general), value) << c.general;
    EXPECT_THROW(StrToFloat(c.refused), runtime::EConvertError) << c.refused;
  }
}

TEST(StrToFloat, LeavesTheCallersFloatingPointStateAlone) {
  const ScopedSeparators separators(".", ",");
  const long double tenth = StrToFloat("0.1");
  fpu_control_t saved;
  _FPU_GETCW(saved);
  // The caller rounds upwards on a 53-bit mantissa.
  const fpu_control_t callers = (saved & ~0x0F00) | 0x0A00;
  for (const int pending : {0, FE_DIVBYZERO, FE_INEXACT | FE_UNDERFLOW}) {
    _FPU_SETCW(callers);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(pending);
    const long double parsed = StrToFloat("0.1");
    const long double tiny = StrToFloat("1E-4940");
    const std::string overflow = ConvertErrorOf([] { StrToFloat("1E4999"); });
    fpu_control_t after;
    _FPU_GETCW(after);
    const int flags = std::fetestexcept(FE_ALL_EXCEPT);
    _FPU_SETCW(saved);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(parsed, tenth);
    EXPECT_EQ(std::fpclassify(tiny), FP_SUBNORMAL);
    EXPECT_EQ(overflow, "'1E4999' is not a valid floating point value");
    EXPECT_EQ(after, callers);
    EXPECT_EQ(flags, pending);
  }
}

}  // namespace
