#include "app/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/errors.h"

namespace app {
namespace {

// A column of two trays with round numbers, filled by hand so every figure
// of the report is known.
model::TColumn TwoTrayColumn() {
  model::TColumn column;
  column.inputs = {1000, 0.01L, 2, 16.0L};
  column.stillvapour = 1809.94L;
  column.stillethanol = 170.93L;
  column.topstrength = 0.759624L;
  column.product = 203.88L;
  column.productethanol = 154.87L;
  column.trayreturn[1] = 3058.22L;
  column.trayliquid[1] = 0.01L;
  column.trayvapour[1] = 0.094442L;
  column.traytemperature[1] = 99.34L;
  column.trayreturn[2] = 2252.4L;
  column.trayliquid[2] = 0.4608L;
  column.trayvapour[2] = 0.7596L;
  column.traytemperature[2] = 82.46L;
  return column;
}

std::vector<std::string> Lines(const TLineList& list) { return {list.lines.begin(), list.lines.end()}; }

TEST(WriteReport, WithoutTraysHasOnlyStillAndCondenser) {
  model::TColumn column = TwoTrayColumn();
  column.inputs.traycount = 0;
  TLineList report;
  TPointList series;
  WriteReport(column, {}, report, series);
  EXPECT_EQ(report.lines.size(), 12u);
  EXPECT_EQ(series.values.size(), 1u);
}

struct SwitchCase {
  const char* name;
  ReportSwitches switches;
  std::vector<std::string> droppedLabels;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

class ReportSwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(ReportSwitchTest, DropsExactlyItsTrayLines) {
  const SwitchCase& c = GetParam();
  TLineList full;
  TLineList switched;
  TPointList series;
  WriteReport(TwoTrayColumn(), {}, full, series);
  const std::vector<double> fullSeries = series.values;
  WriteReport(TwoTrayColumn(), c.switches, switched, series);

  std::vector<std::string> expected;
  for (const std::string& line : full.lines) {
    const bool dropped = std::any_of(c.droppedLabels.begin(), c.droppedLabels.end(),
                                     [&](const std::string& label) { return line.starts_with(label); });
    if (!dropped) expected.push_back(line);
  }
  EXPECT_EQ(full.lines.size() - expected.size(), 2 * c.droppedLabels.size());
  EXPECT_EQ(Lines(switched), expected);
  EXPECT_EQ(series.values, fullSeries);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ReportSwitchTest,
    testing::Values(
        SwitchCase{"NoReturn", {false, true, true, true}, {"возврат с тарелки"}},
        SwitchCase{"NoLiquid", {true, false, true, true}, {"крепость флегмы   "}},
        SwitchCase{"NoVapour", {true, true, false, true}, {"крепость пара    "}},
        SwitchCase{"NoTemperature", {true, true, true, false}, {"Температура"}},
        SwitchCase{"NoneAtAll",
                   {false, false, false, false},
                   {"возврат с тарелки", "крепость флегмы   ", "крепость пара    ", "Температура"}}),
    [](const auto& info) { return info.param.name; });

TEST(WriteStillOutput, GivesLabelAndEfficiency) {
  TLineList stillOutput;
  stillOutput.lines = {"previous"};
  WriteStillOutput(TwoTrayColumn(), stillOutput);
  EXPECT_EQ(Lines(stillOutput), (std::vector<std::string>{"КПД по этанолу (%)   :", "90.6"}));
}

TEST(WriteStillOutput, StillWithoutEthanolAndProductWithItDividesByZero) {
  model::TColumn column = TwoTrayColumn();
  column.stillethanol = 0;
  TLineList stillOutput;
  EXPECT_THROW(WriteStillOutput(column, stillOutput), runtime::EZeroDivide);
  EXPECT_EQ(Lines(stillOutput), std::vector<std::string>{"КПД по этанолу (%)   :"});
}

TEST(WriteStillOutput, NoEthanolAtAllIsAnInvalidOperation) {
  model::TColumn column = TwoTrayColumn();
  column.stillethanol = 0;
  column.productethanol = 0;
  TLineList stillOutput;
  EXPECT_THROW(WriteStillOutput(column, stillOutput), runtime::EInvalidOp);
  EXPECT_EQ(Lines(stillOutput), std::vector<std::string>{"КПД по этанолу (%)   :"});
}

}  // namespace
}  // namespace app
