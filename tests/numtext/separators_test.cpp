#include "numtext/separators.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "numtext/numtext.h"
#include "runtime/errors.h"
#include "support/scoped_separators.h"

namespace {

using namespace numtext;
using detail::Separators;
using detail::SeparatorsFromLocaleData;

// The separators read with LC_ALL set to `locale`, as "decimal|thousand".
std::string ReadUnder(const char* locale) {
  const char* old = std::getenv("LC_ALL");
  const bool had = old != nullptr;
  const std::string saved = had ? old : "";
  setenv("LC_ALL", locale, 1);
  ReadLocaleSeparators();
  had ? setenv("LC_ALL", saved.c_str(), 1) : unsetenv("LC_ALL");
  return LocaleDecimalSeparator() + "|" + LocaleThousandSeparator();
}

TEST(ReadLocaleSeparators, TakesTheUsersNumericLocale) {
  const ScopedSeparators restore(".", ",");
  // glibc gives the narrow no-break space as the Russian group separator.
  EXPECT_EQ(ReadUnder("ru_RU.UTF-8"), ",|\u202F");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  EXPECT_EQ(StrToFloat("1,5"), 1.5L);
  EXPECT_THROW(StrToFloat("1.5"), runtime::EConvertError);
  EXPECT_EQ(FormatFloat("0.0", 1.5L), "1,5");
  EXPECT_EQ(FormatFloat("#,##0.0", 1234.5L), "1\u202F234,5");
  EXPECT_EQ(ReadUnder("xx_NOWHERE.UTF-8"), ".|,");
  EXPECT_EQ(ReadUnder("C"), ".|");
}

TEST(SeparatorsFromLocaleData, TakesOneWellFormedCharacterOrKeepsTheDefault) {
  const struct {
    const char *radix, *thousands, *taken;
  } cases[] = {
      {",", "\u00A0", ",|\u00A0"}, {"\u066B", "\U0001F600", "\u066B|\U0001F600"},
      {"", "", ".|"}, {nullptr, nullptr, ".|,"}, {"..", "\u00A0\u00A0", ".|,"},
      {"\xA0", "\xE2\x80", ".|,"},          // a lone continuation byte; cut short
      {"\xC0\xAE", "\xED\xA0\x80", ".|,"},  // an overlong "."; a surrogate
      {"\xF4\x90\x80\x80", "\xFF", ".|,"},  // beyond U+10FFFF; never in UTF-8
      {"\xE0\x82\xAE", "\xF0\x80\x80\xAE", ".|,"},  // overlong "." in three and four bytes
  };
  for (const auto& c : cases) {
    const Separators s = SeparatorsFromLocaleData(c.radix, c.thousands);
    EXPECT_EQ(std::string(s.Decimal.view()) + "|" + std::string(s.Thousand.view()), c.taken);
  }
}

TEST(SetLocaleSeparators, RefusesWhatIsNotOneCharacter) {
  const ScopedSeparators restore(".", ",");
  EXPECT_THROW(SetLocaleSeparators("", ","), std::invalid_argument);
  EXPECT_THROW(SetLocaleSeparators(std::string_view("", 1), ","), std::invalid_argument);
  EXPECT_THROW(SetLocaleSeparators(".", "ab"), std::invalid_argument);
  SetLocaleSeparators(",", std::string_view("", 1));  // NUL: no group separator
  EXPECT_EQ(LocaleThousandSeparator(), "");
}

}  // namespace
