#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/errors.h"
#include "scoped_separators.h"

namespace {

using numtext::FloatToStr;
using numtext::FormatFloat;
using numtext::IntToStr;
using numtext::StrToFloat;
using numtext::StrToInt;

template <class Call>
std::string ConvertErrorOf(Call call) {
  try {
    call();
  } catch (const runtime::EConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(StrToFloat, NamesTheWholeTextInItsMessage) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(StrToFloat(" 12.5 "), 12.5L);
  EXPECT_EQ(ConvertErrorOf([] { StrToFloat(" 1 000 "); }),
            "' 1 000 ' is not a valid floating point value");
  EXPECT_EQ(ConvertErrorOf([] { StrToFloat(""); }), "'' is not a valid floating point value");
}

TEST(StrToInt, NamesTheWholeTextInItsMessage) {
  EXPECT_EQ(StrToInt(" 20"), 20);
  EXPECT_EQ(ConvertErrorOf([] { StrToInt(""); }), "'' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf([] { StrToInt("20 "); }), "'20 ' is not a valid integer value");
}

TEST(IntToStr, WritesPlainDigits) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(20), "20");
  EXPECT_EQ(IntToStr(-7), "-7");
  EXPECT_EQ(IntToStr(INT32_MIN), "-2147483648");
}

TEST(FormatFloat, RefusesPatternsOfMoreThan224Characters) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(FormatFloat(std::string(224, '0'), 5.0L), std::string(223, '0') + "5");
  EXPECT_EQ(ConvertErrorOf([] { FormatFloat(std::string(225, '0'), 5.0L); }),
            "Format string too long");
  // Characters count, not bytes: 224 Cyrillic letters take 448 bytes.
  std::string cyrillic;
  for (int i = 0; i < 223; ++i) cyrillic += "\u0436";
  EXPECT_EQ(FormatFloat("0" + cyrillic, 5.0L), "5" + cyrillic);
}

TEST(FloatToStr, RoundTripsThroughStrToFloat) {
  const ScopedSeparators separators(".", ",");
  for (const long double value : {0.1L, -2.5L, 1e-5L, 123456789012345.0L, 6.02214076e23L}) {
    EXPECT_EQ(FloatToStr(StrToFloat(FloatToStr(value))), FloatToStr(value));
  }
}

// The separators a Russian user has, read from the real locale.
class RussianLocale : public testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("LC_ALL");
    had_lc_all_ = old != nullptr;
    if (had_lc_all_) old_lc_all_ = old;
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    numtext::ReadLocaleSeparators();
  }
  void TearDown() override {
    if (had_lc_all_) {
      setenv("LC_ALL", old_lc_all_.c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
    numtext::SetLocaleSeparators(".", ",");
  }

 private:
  bool had_lc_all_ = false;
  std::string old_lc_all_;
};

TEST_F(RussianLocale, ParsesAndWritesTheDecimalComma) {
  EXPECT_EQ(StrToFloat("1,5"), 1.5L);
  EXPECT_EQ(ConvertErrorOf([] { StrToFloat("1.5"); }), "'1.5' is not a valid floating point value");
  EXPECT_EQ(FormatFloat("0.0", 1.5L), "1,5");
  EXPECT_EQ(FloatToStr(0.5L), "0,5");
}

TEST_F(RussianLocale, GroupsWithTheNarrowNoBreakSpace) {
  EXPECT_EQ(FormatFloat("#,##0.###", 1234567.5L), "1\u202F234\u202F567,5");
  EXPECT_EQ(ConvertErrorOf([] { StrToFloat("1\u202F234"); }),
            "'1\u202F234' is not a valid floating point value");
}

}  // namespace
