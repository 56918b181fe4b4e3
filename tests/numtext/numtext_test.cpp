#include "numtext/numtext.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/fuzzinput.h"
#include "numtext/poweroften.h"
#include "numtext/separators.h"
#include "runtime/errors.h"
#include "support/scopedseparators.h"

namespace {

using namespace numtext;
using Limits = std::numeric_limits<long double>;

// Eighteen significant digits, all the digit generator gives.
constexpr const char* kAllDigits = "0.#################E+0";

// An 80-bit encoding that no arithmetic produces.
long double Encoded(std::uint64_t mantissa, std::uint16_t signexponent) {
  long double value = 0.0L;
  std::memcpy(&value, &mantissa, 8);
  std::memcpy(reinterpret_cast<char*>(&value) + 8, &signexponent, 2);
  return value;
}

// Refused with EConvertError and exactly this message.
auto Refused(const std::string& message) {
  return testing::ThrowsMessage<runtime::EConvertError>(testing::StrEq(message));
}

// Each text reads as its value, or is refused with a message naming it whole.
template <class Number>
void ExpectReads(Number (*read)(std::string_view), const std::string& refusal,
                 const std::vector<std::pair<std::string, std::optional<Number>>>& cases) {
  for (const auto& [text, value] : cases) {
    if (value) {
      EXPECT_EQ(read(text), *value) << text;
    } else {
      EXPECT_THAT([&] { read(text); }, Refused("'" + text + refusal));
    }
  }
}

// One row for each rule of the picture patterns.
TEST(FormatFloat, WritesThePictureWithoutRaisingFaults) {
  const ScopedSeparators separators(".", ",");
  const std::tuple<const char*, long double, const char*> cases[] = {
      // Rounded half away from zero on the decimal digits; surplus integer
      // digits all at the first placeholder.
      {"0", -2.5L, "-3"}, {"0.0", 9.96L, "10.0"}, {"00.0", 5.25L, "05.3"},
      {"00.0", 123.4L, "123.4"}, {"0.0.0", 1.25L, "1.25"},  // a later point is no point
      {"#,##0.###", -1234567.5L, "-1,234,567.5"},
      {"#,##0.###", 0.0004L, "0.000"},  // zero at the cut: every decimal placeholder writes
      {"#,##0.###", 0.00004L, "0"},     // vanishes before the cut: a plain zero
      {"0.00,", 1234.5L, "1,234.50"}, {"##0.## %", 12.5L, "12.5 %"},
      // Sections: a negative one has no automatic sign; zero after rounding
      // takes the zero section or the first.
      {"0.00;(0.00)", -1.5L, "(1.50)"}, {"0.00;(0.00)", -0.001L, "0.00"}, {"0;;zero", -3.0L, "-3"},
      {"0;(0);zero", -0.0L, "zero"}, {"0;n;z;w", 0.0L, "z"},
      // Quotes and literals.
      {"\"a;b\"0;neg", -5.0L, "neg"}, {"'#'0\"0,.\"", 5.0L, "#50,."}, {"0'x;0", 5.0L, "5x;0"},
      {"0 Ex", 5.0L, "5 Ex"}, {"abc", -5.0L, "-abc"}, {"0 \u00B0C", 78.4L, "78 \u00B0C"},
      // Exponents: at least as many digits as zeros, at most four, and one
      // even without zeros; no placeholder keeps no digit and the exponent 0.
      {"0.00E+00", 12345.0L, "1.23E+04"}, {"0.00e-00", 0.000123L, "1.23e-04"},
      {"0.0E-0", 5e300L, "5.0E300"}, {"0E+000000", 1234.0L, "1E+0003"}, {"0.0E+", 0.0L, "0.0E+0"},
      {"#.##E+0", 0.0099996L, "1E-2"}, {"0.0E+0", 1e20L, "1.0E+20"}, {"e-\"%;0\"", 123.0L, "e0%;0"},
      // The general form of fifteen significant digits, for an empty first
      // section, and from 1e18 on, for infinities and NaN.
      {"", 1200.0L, "1200"}, {"", 0.0001L, "0.0001"}, {"", 0.00001L, "1E-5"}, {"", 1e15L, "1E15"},
      {"", 123456789012345.0L, "123456789012345"}, {";(0)", -2.5L, "-2.5"},
      {"", 2.0L / 3, "0.666666666666667"}, {"", -Limits::denorm_min(), "0"},
      {"0.00", 1.5e20L, "1.5E20"}, {"0", 1e18L, "1E18"},
      {"0", 999999999999999999.0L, "999999999999999999"},
      {"0.00;(0.00)", -Limits::infinity(), "-INF"}, {"0.00", Limits::quiet_NaN(), "NAN"},
      // The digits: one scaling of the value, one rounding to nearest.
      {kAllDigits, Limits::max(), "1.18973149535723176E+4932"},
      {kAllDigits, Limits::min(), "3.36210314311209351E-4932"},
      {kAllDigits, 1000000000000000005.0L, "1E+18"},
      {kAllDigits, 1000000000000000015.0L, "1.00000000000000002E+18"},
      {kAllDigits, 0x1p-681L, "0.99671949510975675E-205"},  // decimal exponent estimated one high
      {"0", Encoded(0x1234, 0xFFFF), "-INF"}, {"0", Encoded(0x4000000000000000, 0x3FFF), "NAN"},
      {"0", Encoded(0x8000000000000000, 0x0000), "0"}};
  for (const auto& [pattern, value, text] : cases) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(FormatFloat(pattern, value), text) << '"' << pattern << '"';
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), 0) << text;
  }
}

// 224 characters of pattern, not bytes; the text may grow beyond 256.
TEST(FormatFloat, LimitsThePatternButNotTheOutput) {
  const ScopedSeparators separators(".", "\u00A0");
  // A malformed byte counts as a character.
  EXPECT_THAT([] { FormatFloat(std::string(225, '\xFF'), 5.0L); },
              Refused("Format string too long"));
  std::string cyrillic;
  for (int i = 0; i < 223; ++i) cyrillic += "\u0436";
  EXPECT_EQ(FormatFloat("0" + cyrillic, 5.0L), "5" + cyrillic);
  std::string grouped = "00";  // 200 digits with a two-byte group separator
  for (int i = 0; i < 66; ++i) grouped += i < 65 ? "\u00A0000" : "\u00A0001";
  EXPECT_EQ(FormatFloat("#," + std::string(200, '0'), 1.0L), grouped);
}

TEST(StrToFloat, ReadsTheNumberOrNamesTheWholeText) {
  const ScopedSeparators separators(".", ",");
  const auto zeros = [](int n) { return std::string(static_cast<std::size_t>(n), '0'); };
  ExpectReads<long double>(StrToFloat, "' is not a valid floating point value", {
      {" 12.5 ", 12.5L}, {"-.5", -0.5L}, {".", 0.0L}, {"5.", 5.0L}, {"1e3", 1000.0L}, {"1E", 1.0L},
      {"+25E-1", 2.5L}, {"1E4932", 1e4932L}, {"1E-4999", 0.0L}, {"0." + zeros(6000) + "1", 0.0L},
      {"1234567890123456789", 1234567890123456789.0L},
      // Digits beyond the nineteenth accumulate in rounded floating steps.
      {"123456789012345678901", 12345678901234567890.0L * 10 + 1}, {"1" + zeros(4932), 1e4932L},
      {"", {}}, {"   ", {}}, {"-", {}}, {"+-1", {}}, {"e5", {}}, {"\t1", {}}, {"1 000", {}},
      {"1,000", {}}, {"1E4999", {}}, {"0E5000", {}},  // a digit left after exponent 500
      // Digits that overflow stay refused, whatever scale would follow.
      {"15." + zeros(5120), {}}, {"1" + zeros(5000) + "E-5200", {}}, {"-2" + zeros(4932), {}}});
}

TEST(StrToInt, ReadsTheNumberOrNamesTheWholeText) {
  ExpectReads<std::int32_t>(StrToInt, "' is not a valid integer value", {
      {" 20", 20}, {"+7", 7}, {"012", 12}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"$FF", 255}, {"0x1F", 31}, {"x10", 16}, {"-$10", -16}, {"$FFFFFFFF", -1}, {"", {}},
      {"  ", {}}, {"-", {}}, {"--1", {}}, {"20 ", {}}, {"1.5", {}}, {"2147483648", {}},
      {"-2147483649", {}}, {"9999999999", {}}, {"$100000000", {}}, {"0x", {}}, {"$FG", {}}});
  EXPECT_EQ(IntToStr(INT32_MIN) + " " + IntToStr(0) + " " + IntToStr(20), "-2147483648 0 20");
}

TEST(NumberText, UsesTheSeparatorsInForce) {
  // The value grouped and in the general form, which reads back; a text that
  // does not read under these separators.
  const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
      {",", "\u202F", "1\u202F234\u202F567,25", "1234567,25", "1234567.25"},
      {"\u066B", "\u00A0", "1\u00A0234\u00A0567\u066B25", "1234567\u066B25", "1234567\xD9"},
      {".", "", "1234567.25", "1234567.25", "1 234"}};
  for (const auto& [decimal, thousand, grouped, general, refused] : cases) {
    const ScopedSeparators separators(decimal, thousand);
    EXPECT_EQ(FormatFloat("#,##0.0#", 1234567.25L), grouped);
    EXPECT_EQ(FloatToStr(1234567.25L), general);
    EXPECT_EQ(StrToFloat(general), 1234567.25L) << general;
    EXPECT_THROW(StrToFloat(refused), runtime::EConvertError) << refused;
  }
}

TEST(ReadLocaleSeparators, TakesTheUsersNumericLocaleOrTheDefaults) {
  const ScopedSeparators restore(".", ",");
  // glibc gives the narrow no-break space as the Russian group separator.
  for (const auto& [locale, taken] : {std::pair{"ru_RU.UTF-8", ",|\u202F"},
                                      {"xx_NOWHERE.UTF-8", ".|,"}, {"C", ".|"}}) {
    setenv("LC_ALL", locale, 1);
    ReadLocaleSeparators();
    EXPECT_EQ(LocaleDecimalSeparator() + "|" + LocaleThousandSeparator(), taken) << locale;
  }
  unsetenv("LC_ALL");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(SeparatorsFromLocaleData, TakesOneWellFormedCharacterOrKeepsTheDefault) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {",", "\u00A0", ",|\u00A0"}, {"\u066B", "\U0001F600", "\u066B|\U0001F600"}, {"", "", ".|"},
      {nullptr, nullptr, ".|,"}, {"..", "\u00A0\u00A0", ".|,"},
      {"\xA0", "\xE2\x80", ".|,"},                  // a lone continuation byte; cut short
      {"\xC0\xAE", "\xED\xA0\x80", ".|,"},          // an overlong "."; a surrogate
      {"\xF4\x90\x80\x80", "\xFF", ".|,"},          // beyond U+10FFFF; never in UTF-8
      {"\xE0\x82\xAE", "\xF0\x80\x80\xAE", ".|,"}};  // overlong "." in three and four bytes
  for (const auto& [radix, thousands, taken] : cases) {
    const detail::Separators s = detail::SeparatorsFromLocaleData(radix, thousands);
    EXPECT_EQ(std::string(s.Decimal.view()) + "|" + std::string(s.Thousand.view()), taken);
  }
}

// The C library reads "1e<n>" as the nearest extended value. The scaling
// gives it exactly up to 1e27; beyond, its few roundings may land a few units
// of the last place off.
TEST(ScaleByPowerOfTen, StaysWithinFourUnitsOfTheNearestValue) {
  for (int n = -4931; n <= 4931; ++n) {
    const long double nearest = std::strtold(("1e" + std::to_string(n)).c_str(), nullptr);
    const long double allowed = n >= 0 && n <= 27 ? 0 : 4 * Limits::epsilon() * nearest;
    ASSERT_LE(std::fabs(detail::ScaleByPowerOfTen(1.0L, n) - nearest), allowed) << "10^" << n;
  }
}

// Inputs the fuzz target once failed on, and texts for its checks of the
// parser's care for its caller, run the same way again; a failure aborts the
// run or shows under the sanitizer build.
TEST(FuzzRegressions, FormerFailuresRunClean) {
  const ScopedSeparators restore(".", ",");
  const std::string inputs[] = {
      // The general form kept a view of a separator copy that had gone.
      std::string("\0\0\0\0\0\0\0\x80\xFF\x3F\0#,##0.###", 20),
      // Under a caller with odd state, with "." and ",": a value its rounding
      // would change, one it would not make subnormal, one that overflows.
      "\x84" "0.1", "\x84" "1E-4940", "\x84" "1E4999"};
  for (const std::string& input : inputs) {
    numtext_fuzz::RunInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
  }
}

}  // namespace
