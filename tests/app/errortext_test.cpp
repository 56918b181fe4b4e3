#include "app/errortext.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace app {
namespace {

struct PeriodCase {
  const char* name;
  std::string message;
  std::string shown;
};

void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }

class ErrorBoxTextTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(ErrorBoxTextTest, AppendsThePeriodAfterCodesAboveIt) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(PeriodCase{"Letter", "'' is not a valid integer value", "'' is not a valid integer value."},
                    PeriodCase{"Digit", "limit 100", "limit 100."},
                    PeriodCase{"Cyrillic", "Кол-во тарелок не может быть больше 100", "Кол-во тарелок не может быть больше 100."},
                    PeriodCase{"CyrillicLetterLast", "больше ста", "больше ста."},
                    PeriodCase{"Slash", "a/", "a/."},
                    PeriodCase{"QuoteAfterText", "'1.5'", "'1.5'"},
                    PeriodCase{"Period", "done.", "done."},
                    PeriodCase{"Hyphen", "a-", "a-"},
                    PeriodCase{"Exclamation", "stop!", "stop!"},
                    PeriodCase{"Parenthesis", "(x)", "(x)"},
                    PeriodCase{"Space", "trailing ", "trailing "},
                    PeriodCase{"Empty", "", ""}),
    [](const auto& info) { return info.param.name; });

struct TitleCase {
  const char* name;
  QString path;
  QString title;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class ApplicationTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleTest, IsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(ApplicationTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitleTest,
    testing::Values(TitleCase{"Plain", "/usr/local/bin/stillwise", "stillwise"},
                    TitleCase{"Extension", "C:/Program Files/Stillwise.EXE", "Stillwise"},
                    TitleCase{"UpperCase", "/opt/STILLWISE", "Stillwise"},
                    TitleCase{"SeveralDots", "/opt/still.wise.exe", "still"},
                    TitleCase{"LeadingDot", "/opt/.stillwise", ""},
                    TitleCase{"Cyrillic", "/opt/КОЛОННА.bin", "Колонна"},
                    TitleCase{"NoFolder", "sTILLWISE", "stillwise"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace app
