#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using Segments = std::vector<std::vector<int>>;

// Axes with a plain mapping over the plot from (10, 100) to (210, 400):
// x = 10 + 2 * value, y = 400 - yPerPosition * position.
TEST(HorizLineSeries, SegmentsRunInTheOrderAddedAsRedLines) {
  const struct {
    std::vector<double> values;
    double yPerPosition;
    Segments segments;
  } cases[] = {
      // Never sorted by value: the line zigzags while it climbs.
      {{10, 30, 20, 40}, 10, {{30, 400, 70, 390}, {70, 390, 50, 380}, {50, 380, 90, 370}}},
      // 0.4 pixels per position: the first two points share (30, 400).
      {{10, 10.2, 20}, 0.4, {{30, 400, 50, 399}}},
      {{50}, 10, {}},
  };
  for (const auto& c : cases) {
    TCustomChart chart;
    auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
    series->SeriesColor = clRed;
    for (double v : c.values) series->Add(v);
    chart.BottomAxis.SetRange(0, 100);
    chart.LeftAxis.SetRange(0, 300 / c.yPerPosition);
    chart.ChartBounds = {0, 0, 400, 500};
    chart.ChartRect = {10, 100, 210, 400};
    chart.RecalcWidthHeight();
    for (TChartAxis* axis : {&chart.BottomAxis, &chart.LeftAxis}) {
      axis->AdjustRange();
      axis->ComputePixelRange();
    }
    testing::TRecordingCanvas canvas;
    series->CalcFirstLastVisibleIndex();
    series->DrawPoints(canvas);
    Segments segments;
    for (const auto& call : canvas.Calls("StraightLine")) {
      segments.push_back(call.Args);
      EXPECT_EQ(call.Pen, (TChartPen{.Color = clRed}));
    }
    EXPECT_EQ(segments, c.segments) << c.values.size() << " points";
  }
}

// Line series with X on the bottom axis and Y on the left, both automatic
// over all of them, drawn in the order added, each in its own colour.
TEST(XYLineSeries, RunFromXOnTheBottomToYOnTheLeftOverTheDataRanges) {
  TCustomChart chart;
  chart.Legend.Visible = false;
  const struct {
    TColor colour;
    std::vector<std::pair<double, double>> points;
  } lines[] = {{clTeeColor, {{20, 1}, {100, 6}, {60, 11}}}, {clNavy, {{100, 1}, {60, 6}}}};
  for (const auto& line : lines) {
    auto own = std::make_unique<TLineSeries>();
    own->SeriesColor = line.colour;
    auto* series = chart.AddSeries(std::move(own));
    for (const auto& [x, y] : line.points) series->AddXY(x, y);
  }
  testing::TRecordingCanvas canvas;
  chart.PaintTo(canvas, {0, 0, 401, 300});
  EXPECT_EQ(chart.BottomAxis.Minimum(), 20);
  EXPECT_EQ(chart.BottomAxis.Maximum(), 100);
  EXPECT_EQ(chart.LeftAxis.Minimum(), 1);
  EXPECT_EQ(chart.LeftAxis.Maximum(), 11);
  const TRect plot = chart.ChartRect;
  ASSERT_EQ(plot.Width() % 2, 0);
  ASSERT_EQ(plot.Height() % 2, 0);
  const int middleX = plot.Left + plot.Width() / 2;
  const int middleY = plot.Bottom - plot.Height() / 2;
  std::vector<std::pair<TColor, std::vector<int>>> segments;
  for (const auto& call : canvas.Calls("StraightLine")) segments.push_back({call.Pen.Color, call.Args});
  EXPECT_EQ(segments, (std::vector<std::pair<TColor, std::vector<int>>>{
                          {clRed, {plot.Left, plot.Bottom, middleX, plot.Top}},
                          {clRed, {middleX, plot.Top, plot.Right, middleY}},
                          {clNavy, {middleX, middleY, plot.Right, plot.Bottom}}}));
}

}  // namespace
}  // namespace chart
