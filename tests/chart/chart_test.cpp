#include "chart/chart.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "chart/qtcanvas.h"
#include "form_chart.h"
#include "support/qt_application.h"

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

// The panel's raised bevel: one ring, lit at the top and left, in shadow
// at the bottom and right, the shadow taking both far corners.
TEST(ChartPanel, RaisedBevelPixels) {
  test_support::EnsureQtApplication();
  TCustomChart chart;
  TQtChartCanvas canvas;
  canvas.BeginDraw(60, 40);
  chart.PaintTo(canvas, {0, 0, 60, 40});
  canvas.EndDraw();
  const QImage& picture = canvas.Image();
  const QColor light(255, 255, 255);
  const QColor shadow(160, 160, 160);
  const QColor face(240, 240, 240);
  for (int x = 0; x < 59; ++x) EXPECT_EQ(picture.pixelColor(x, 0), light) << x;
  for (int y = 0; y < 39; ++y) EXPECT_EQ(picture.pixelColor(0, y), light) << y;
  for (int x = 0; x < 60; ++x) EXPECT_EQ(picture.pixelColor(x, 39), shadow) << x;
  for (int y = 0; y < 40; ++y) EXPECT_EQ(picture.pixelColor(59, y), shadow) << y;
  EXPECT_EQ(picture.pixelColor(1, 1), face) << "the panel's face inside the ring";
  EXPECT_EQ(picture.pixelColor(58, 38), face);
}

}  // namespace
}  // namespace chart
