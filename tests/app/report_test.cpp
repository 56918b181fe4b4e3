#include "app/report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/commandline.h"
#include "support/scoped_separators.h"

namespace app {
namespace {

std::string ReportOf(const InputTexts& texts, const ReportSwitches& switches = {}) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunReport(texts, switches, out, err), 0) << err.str();
  return out.str();
}

// A still of 1 % with one tray: strengths below 10 % keep the two integer
// digits of the "00.00" pattern, the whole per cent of the still's liquid
// has none to spare, and the temperature has one decimal.
TEST(Report, WeakStillShowsLeadingZerosWhereThePatternAsks) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(ReportOf({"1000", "1", "1", "15"}),
            " \n--Дефлег-ор--\nКрепость отбора :   42.34 %\n    Возврат    :    2180 г/ч\n"
            "Отбор продукта:    145 г/ч\n---------\n \n--  ТТ  1--\n"
            "Температура          93.4  C\nкрепость пара       42.34 %\n"
            "крепость флегмы        06.57 %\nвозврат с тарелки   1665 г/ч\n---------\n \n"
            "-- куб  --\nвыход этанола  :   171 г/ч\nвыход массы :       1810 г/ч\n"
            "крепость пара  :   09.44 %\nкрепость флегмы:      1 %\n"
            "\nКПД по этанолу (%)   :\n36.0\n");
}

// The switches leave the tray's frame and every other line as they were.
TEST(Report, WeakStillWithTheTrayLinesSwitchedOff) {
  const ScopedSeparators separators(".", ",");
  EXPECT_EQ(ReportOf({"1000", "1", "1", "15"}, {false, false, false, false}),
            " \n--Дефлег-ор--\nКрепость отбора :   42.34 %\n    Возврат    :    2180 г/ч\n"
            "Отбор продукта:    145 г/ч\n---------\n \n--  ТТ  1--\n---------\n \n"
            "-- куб  --\nвыход этанола  :   171 г/ч\nвыход массы :       1810 г/ч\n"
            "крепость пара  :   09.44 %\nкрепость флегмы:      1 %\n"
            "\nКПД по этанолу (%)   :\n36.0\n");
}

TEST(Report, CommaSeparatorInTheTwoDigitPattern) {
  const ScopedSeparators separators(",", "\u00A0");
  const std::string report = ReportOf({"1000", "1", "1", "15"});
  EXPECT_NE(report.find("крепость пара  :   09,44 %\n"), std::string::npos);
  EXPECT_NE(report.find("крепость флегмы        06,57 %\n"), std::string::npos);
  EXPECT_NE(report.find("Температура          93,4  C\n"), std::string::npos);
  EXPECT_NE(report.find("\n36,0\n"), std::string::npos);
}

}  // namespace
}  // namespace app
