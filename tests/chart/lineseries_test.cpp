#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "form_chart.h"

namespace chart {
namespace {

using Segments = std::vector<std::vector<int>>;

struct SegmentCase {
  std::string name;
  std::vector<double> values;
  double yPerPosition;
  Segments segments;
};

void PrintTo(const SegmentCase& c, std::ostream* os) { *os << c.name; }

class LineSeriesSegments : public ::testing::TestWithParam<SegmentCase> {};

// Axes with a plain mapping: x = 10 + 2 * value, y = 400 - yPerPosition *
// position.
TEST_P(LineSeriesSegments, DrawnInIndexOrderAsRedLines) {
  const SegmentCase& c = GetParam();
  TCustomChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  series->SeriesColor = clRed;
  for (double v : c.values) series->Add(v);
  // Fixed ranges over the plot from (10, 100) to (210, 400).
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
  EXPECT_EQ(segments, c.segments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSeriesSegments,
    ::testing::Values(
        // Never sorted by value: the line zigzags while it climbs.
        SegmentCase{"Zigzag", {10, 30, 20, 40}, 10,
                    {{30, 400, 70, 390}, {70, 390, 50, 380}, {50, 380, 90, 370}}},
        // 0.4 pixels per position: the first two points share (30, 400).
        SegmentCase{"SamePixel", {10, 10.2, 20}, 0.4, {{30, 400, 50, 399}}},
        SegmentCase{"OnePoint", {50}, 10, {}}),
    [](const auto& info) { return info.param.name; });

TEST(LineSeries, InTheChartIsDrawnClippedToThePlot) {
  testing::FormChart form;
  form.AddPoints(16);
  form.Paint();
  std::vector<std::string> ops;
  for (const auto& call : form.Canvas.Calls()) {
    if (call.Op == "ClipToRect" || !ops.empty()) ops.push_back(call.Op);
  }
  const TRect plot = form.Chart.ChartRect;
  EXPECT_EQ(form.Canvas.Calls("ClipToRect").at(0).Args,
            (std::vector<int>{plot.Left, plot.Top, plot.Right, plot.Bottom + 1}));
  std::vector<std::string> expected{"ClipToRect"};
  expected.insert(expected.end(), 15, "StraightLine");
  expected.push_back("RemoveClip");
  EXPECT_EQ(ops, expected) << "the series is drawn last, all inside the clip";
}

// Line series with X on the bottom axis and Y on the left, both axes
// automatic, painted without a legend at 401 x 300 on the recording canvas.
struct XYChart {
  TLineSeries* Add(std::vector<std::pair<double, double>> points) {
    auto* series = Chart.AddSeries(std::make_unique<TLineSeries>());
    for (const auto& [x, y] : points) series->AddXY(x, y);
    return series;
  }
  void Paint() {
    Chart.Legend.Visible = false;
    Canvas.Clear();
    Chart.PaintTo(Canvas, {0, 0, 401, 300});
  }
  // The segments drawn, in order, with their colours.
  std::vector<std::pair<TColor, std::vector<int>>> Segments() const {
    std::vector<std::pair<TColor, std::vector<int>>> segments;
    for (const auto& call : Canvas.Calls("StraightLine")) segments.push_back({call.Pen.Color, call.Args});
    return segments;
  }

  TCustomChart Chart;
  testing::TRecordingCanvas Canvas;
};

TEST(XYLineSeries, RunsFromXOnTheBottomToYOnTheLeftOverTheDataRanges) {
  XYChart xy;
  xy.Add({{20, 1}, {60, 11}, {100, 6}});
  xy.Paint();
  const TRect plot = xy.Chart.ChartRect;
  EXPECT_EQ(xy.Chart.BottomAxis.Minimum(), 20);
  EXPECT_EQ(xy.Chart.BottomAxis.Maximum(), 100);
  EXPECT_EQ(xy.Chart.LeftAxis.Minimum(), 1);
  EXPECT_EQ(xy.Chart.LeftAxis.Maximum(), 11);
  const int middleX = plot.Left + (plot.Right - plot.Left) / 2;
  const int middleY = plot.Bottom - (plot.Bottom - plot.Top) / 2;
  ASSERT_EQ((plot.Right - plot.Left) % 2, 0);
  ASSERT_EQ((plot.Bottom - plot.Top) % 2, 0);
  EXPECT_EQ(xy.Segments(), (std::vector<std::pair<TColor, std::vector<int>>>{
                               {clRed, {plot.Left, plot.Bottom, middleX, plot.Top}},
                               {clRed, {middleX, plot.Top, plot.Right, middleY}}}));
}

TEST(XYLineSeries, PointsAddedOutOfOrderTakeTheirPlaceByX) {
  XYChart xy;
  TLineSeries* series = xy.Add({{100, 6}, {20, 1}, {60, 11}});
  ASSERT_EQ(series->Count(), 3);
  EXPECT_EQ(series->XValues[0], 20);
  EXPECT_EQ(series->YValues[0], 1);
  EXPECT_EQ(series->XValues[1], 60);
  EXPECT_EQ(series->YValues[1], 11);
  EXPECT_EQ(series->XValues[2], 100);
  EXPECT_EQ(series->YValues[2], 6);
}

TEST(XYLineSeries, SeveralSeriesTakePaletteColoursAndShareTheAxes) {
  XYChart xy;
  TLineSeries* first = xy.Add({{0, 5}, {10, 6}});
  TLineSeries* second = xy.Add({{0, -3}, {10, 2}});
  TLineSeries* third = xy.Add({{5, 40}, {20, 1}});
  auto own = std::make_unique<TLineSeries>();
  own->SeriesColor = clNavy;
  TLineSeries* fourth = xy.Chart.AddSeries(std::move(own));
  fourth->AddXY(1, 1);
  fourth->AddXY(2, 2);
  EXPECT_EQ(first->SeriesColor, clRed);
  EXPECT_EQ(second->SeriesColor, clGreen);
  EXPECT_EQ(third->SeriesColor, clYellow);
  EXPECT_EQ(fourth->SeriesColor, clNavy) << "a colour of its own is kept";
  xy.Paint();
  EXPECT_EQ(xy.Chart.BottomAxis.Minimum(), 0);
  EXPECT_EQ(xy.Chart.BottomAxis.Maximum(), 20);
  EXPECT_EQ(xy.Chart.LeftAxis.Minimum(), -3);
  EXPECT_EQ(xy.Chart.LeftAxis.Maximum(), 40);
  std::vector<TColor> colours;
  for (const auto& [colour, args] : xy.Segments()) colours.push_back(colour);
  EXPECT_EQ(colours, (std::vector<TColor>{clRed, clGreen, clYellow, clNavy}))
      << "one segment each, in the order the series were added";
}

TEST(XYLineSeries, APointerWidensTheMarginsOfBothAxes) {
  XYChart xy;
  TLineSeries* series = xy.Add({{20, 1}, {100, 11}});
  series->Pointer.Visible = true;
  series->Pointer.HorizSize = 6;
  series->Pointer.VertSize = 3;
  xy.Paint();
  const TRect plot = xy.Chart.ChartRect;
  // 7 pixels free at the left and right, 4 at the top and bottom.
  EXPECT_EQ(xy.Segments().at(0).second,
            (std::vector<int>{plot.Left + 7, plot.Bottom - 4, plot.Right - 7, plot.Top + 4}));
}

}  // namespace
}  // namespace chart
