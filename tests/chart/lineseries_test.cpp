#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
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

}  // namespace
}  // namespace chart
