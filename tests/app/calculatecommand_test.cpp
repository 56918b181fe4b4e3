#include "app/calculatecommand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numtext/numtext.h"
#include "runtime/errors.h"

namespace app {
namespace {

class CalculateCommandTest : public testing::Test {
 protected:
  void SetUp() override { numtext::SetLocaleSeparators(".", ","); }

  void Run(const InputTexts& texts, const ReportSwitches& switches = {}) {
    CalculateCommand(texts, switches, column, report, stillOutput, series);
  }

  std::vector<std::string> ReportLines() const { return {report.lines.begin(), report.lines.end()}; }
  std::vector<std::string> StillOutputLines() const {
    return {stillOutput.lines.begin(), stillOutput.lines.end()};
  }

  model::TColumn column;
  TLineList report;
  TLineList stillOutput;
  TPointList series;
};

TEST_F(CalculateCommandTest, TwoTraysGiveTheReportLineForLine) {
  Run({"1000", "20", "2", "1"});
  const std::vector<std::string> expected = {
      " ",
      "--Дефлег-ор--",
      "Крепость отбора :   81.23 %",
      "    Возврат    :    1740 г/ч",
      "Отбор продукта:    1740 г/ч",
      "---------",
      " ",
      "--  ТТ  2--",
      "Температура          80.3  C",
      "крепость пара       81.23 %",
      "крепость флегмы        66.27 %",
      "возврат с тарелки   1462 г/ч",
      "---------",
      " ",
      "--  ТТ  1--",
      "Температура          83.2  C",
      "крепость пара       74.40 %",
      "крепость флегмы        40.91 %",
      "возврат с тарелки   1150 г/ч",
      "---------",
      " ",
      "-- куб  --",
      "выход этанола  :   1884 г/ч",
      "выход массы :       2890 г/ч",
      "крепость пара  :   65.19 %",
      "крепость флегмы:      20 %",
  };
  EXPECT_EQ(ReportLines(), expected);
  EXPECT_EQ(StillOutputLines(), (std::vector<std::string>{"КПД по этанолу (%)   :", "75.0"}));
  ASSERT_EQ(series.values.size(), 3u);
  EXPECT_NEAR(series.values[0], 65.19, 0.005);
  EXPECT_NEAR(series.values[1], 74.40, 0.005);
  EXPECT_NEAR(series.values[2], 81.23, 0.005);
}

TEST_F(CalculateCommandTest, DefaultTextsReportTwentyTrays) {
  Run(InputTexts{});
  EXPECT_EQ(report.lines.size(), 12u + 7u * 20u);
  EXPECT_EQ(report.lines[2], "Крепость отбора :   75.96 %");
  EXPECT_EQ(report.lines[3], "    Возврат    :    3058 г/ч");
  EXPECT_EQ(report.lines[9], "крепость пара       75.96 %");
  EXPECT_EQ(report.lines[report.lines.size() - 10], "крепость пара       09.44 %");
  EXPECT_EQ(StillOutputLines(), (std::vector<std::string>{"КПД по этанолу (%)   :", "90.6"}));
  EXPECT_EQ(series.values.size(), 21u);
}

TEST_F(CalculateCommandTest, ClearsTheReportOfTheRunBefore) {
  Run({"1000", "20", "2", "1"});
  Run({"1000", "20", "1", "1"});
  EXPECT_EQ(report.lines.size(), 19u);
  EXPECT_EQ(series.values.size(), 2u);
}

TEST_F(CalculateCommandTest, LeadingBlankIsTakenTrailingIsNot) {
  Run({"1000", "20", " 2", "1"});
  EXPECT_EQ(report.lines.size(), 26u);
  EXPECT_THROW(Run({"1000", "20", "2 ", "1"}), runtime::EConvertError);
}

}  // namespace
}  // namespace app
