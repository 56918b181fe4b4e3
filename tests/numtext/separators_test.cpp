#include "numtext/separators.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "numtext/numtext.h"
#include "scoped_separators.h"

namespace {

using numtext::LocaleDecimalSeparator;
using numtext::LocaleThousandSeparator;
using numtext::ReadLocaleSeparators;
using numtext::SeparatorsFromLocaleData;

// Sets one environment variable for a test and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct LocaleSeparators {
  std::string decimal;
  std::string thousand;
  bool operator==(const LocaleSeparators&) const = default;
};

void PrintTo(const LocaleSeparators& s, std::ostream* os) {
  *os << "decimal \"" << s.decimal << "\" thousand \"" << s.thousand << "\"";
}

LocaleSeparators ReadUnder(const char* lcAll, const char* lcNumeric = nullptr) {
  const ScopedSeparators restore(".", ",");
  const ScopedEnvironment all("LC_ALL", lcAll);
  const ScopedEnvironment numeric("LC_NUMERIC", lcNumeric);
  ReadLocaleSeparators();
  return {LocaleDecimalSeparator(), LocaleThousandSeparator()};
}

TEST(ReadLocaleSeparators, TakesTheRussianLocalesComma) {
  // glibc gives the narrow no-break space as the Russian group separator.
  EXPECT_EQ(ReadUnder("ru_RU.UTF-8"), (LocaleSeparators{",", "\u202F"}));
  EXPECT_EQ(ReadUnder(nullptr, "ru_RU.UTF-8"), (LocaleSeparators{",", "\u202F"}));
}

TEST(ReadLocaleSeparators, CLocaleHasNoGroupSeparator) {
  EXPECT_EQ(ReadUnder("C"), (LocaleSeparators{".", ""}));
}

TEST(ReadLocaleSeparators, UnknownLocaleGivesTheDefaults) {
  const ScopedSeparators pinned(",", ";");
  const ScopedEnvironment all("LC_ALL", "xx_NOWHERE.UTF-8");
  ReadLocaleSeparators();
  EXPECT_EQ(LocaleDecimalSeparator(), ".");
  EXPECT_EQ(LocaleThousandSeparator(), ",");
}

TEST(ReadLocaleSeparators, LeavesTheProcessLocaleAlone) {
  ReadUnder("ru_RU.UTF-8");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(SeparatorsFromLocaleData, TakesOneCharacterOrKeepsTheDefault) {
  const auto from = [](const char* radix, const char* thousands) {
    const numtext::Separators s = SeparatorsFromLocaleData(radix, thousands);
    return LocaleSeparators{std::string(s.Decimal.view()), std::string(s.Thousand.view())};
  };
  EXPECT_EQ(from(",", "\u00A0"), (LocaleSeparators{",", "\u00A0"}));
  EXPECT_EQ(from("", ""), (LocaleSeparators{".", ""}));
  EXPECT_EQ(from(nullptr, nullptr), (LocaleSeparators{".", ","}));
  EXPECT_EQ(from("..", "\u00A0\u00A0"), (LocaleSeparators{".", ","}));
  EXPECT_EQ(from("\xA0", "\xA0"), (LocaleSeparators{".", ","}));  // not UTF-8
}

TEST(SetLocaleSeparators, RefusesWhatIsNotOneCharacter) {
  const ScopedSeparators restore(".", ",");
  EXPECT_THROW(numtext::SetLocaleSeparators("", ","), std::invalid_argument);
  EXPECT_THROW(numtext::SetLocaleSeparators(std::string_view("", 1), ","), std::invalid_argument);
  EXPECT_THROW(numtext::SetLocaleSeparators(".", "ab"), std::invalid_argument);
  numtext::SetLocaleSeparators(",", std::string_view("", 1));
  EXPECT_EQ(LocaleThousandSeparator(), "");
}

}  // namespace
