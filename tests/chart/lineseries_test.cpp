#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
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

}  // namespace
}  // namespace chart
