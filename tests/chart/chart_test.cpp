#include "chart/chart.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "form_chart.h"

namespace chart {
namespace {

using testing::FormChart;

constexpr int kLine = testing::TRecordingCanvas::kLineHeight;

struct LayoutCase {
  std::string name;
  bool title;
  bool axes;
  bool legend;
  int points;
  TRect plot;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class ChartLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ChartLayout, PlotRectangleOfTheFormChart) {
  const LayoutCase& c = GetParam();
  FormChart form;
  form.Chart.Title.Visible = c.title;
  form.Chart.AxisVisible = c.axes;
  form.Chart.Legend.Visible = c.legend;
  form.AddPoints(c.points);
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect, c.plot);
}

// Inside the bevel, 3 % and 4 % margins; the title takes its line and a
// gap; the left axis its widest label ("15", or "0" when empty) and a
// space, then 2 + 1 + 4 for axis line and ticks; the bottom axis a line
// and 7.
INSTANTIATE_TEST_SUITE_P(
    Cases, ChartLayout,
    ::testing::Values(
        LayoutCase{"Bare", false, false, true, 0, {9, 19, 287, 454}},
        LayoutCase{"Title", true, false, true, 0, {9, 27 + kLine, 287, 454}},
        LayoutCase{"EmptySeries", true, true, true, 0,
                   {9 + 6 + 6 + 7, 27 + kLine, 287, 454 - kLine - 7}},
        LayoutCase{"SixteenPoints", true, true, false, 16,
                   {9 + 12 + 6 + 7, 27 + kLine, 287, 454 - kLine - 7}}),
    [](const auto& info) { return info.param.name; });

TEST(ChartTitle, OneLineAtTwentyCentredOverThePlot) {
  FormChart form;
  form.Chart.AxisVisible = false;
  form.Paint();
  const auto texts = form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 1u);
  // 18 characters of 6 pixels about x = 148.
  EXPECT_EQ(texts[0].Text, "Крепость в колонне");
  EXPECT_EQ(texts[0].Args, (std::vector<int>{148 - 54, 20}));
}

}  // namespace
}  // namespace chart
