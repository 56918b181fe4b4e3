#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using Segment = std::vector<int>;

// A line series on axes with a plain mapping: x = 10 + 2 * value and
// y = 400 - yPerPosition * position (100 + ... when the axis is inverted).
struct SeriesOnAxes {
  explicit SeriesOnAxes(double yPerPosition = 10, bool inverted = false) {
    Series = Chart.AddSeries(std::make_unique<THorizLineSeries>());
    Series->SeriesColor = clRed;
    Map(Chart.BottomAxis, 2, 10, 210);
    Map(Chart.LeftAxis, yPerPosition, 100, 400);
    Chart.LeftAxis.Inverted = inverted;
  }
  static void Map(TChartAxis& axis, double perUnit, int start, int end) {
    axis.RangeIsZero = false;
    axis.PixelsPerUnit = perUnit;
    axis.PixelStart = start;
    axis.PixelEnd = end;
  }
  std::vector<Segment> Draw() {
    Series->CalcFirstLastVisibleIndex();
    Series->DrawPoints(Canvas);
    std::vector<Segment> segments;
    for (const auto& call : Canvas.Calls("StraightLine")) segments.push_back(call.Args);
    return segments;
  }

  TCustomChart Chart;
  THorizLineSeries* Series;
  testing::TRecordingCanvas Canvas;
};

struct SegmentCase {
  std::string name;
  std::vector<double> values;
  int nullPoint;  // index of a point added with clNone, or -1
  double yPerPosition;
  bool inverted;
  std::vector<Segment> segments;
};

void PrintTo(const SegmentCase& c, std::ostream* os) { *os << c.name; }

class LineSeriesSegments : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(LineSeriesSegments, DrawnInIndexOrderAsRedOnePixelLines) {
  const SegmentCase& c = GetParam();
  SeriesOnAxes s(c.yPerPosition, c.inverted);
  for (std::size_t i = 0; i < c.values.size(); ++i) {
    s.Series->Add(c.values[i], "", static_cast<int>(i) == c.nullPoint ? clNone : clTeeColor);
  }
  EXPECT_EQ(s.Draw(), c.segments);
  for (const auto& call : s.Canvas.Calls("StraightLine")) {
    EXPECT_EQ(call.Pen, (TChartPen{.Color = clRed}));
    EXPECT_EQ(call.BrushStyle, bsClear);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSeriesSegments,
    ::testing::Values(
        // Never sorted by value: the line zigzags while it climbs.
        SegmentCase{"zigzag", {10, 30, 20, 40}, -1, 10, false,
                    {{30, 400, 70, 390}, {70, 390, 50, 380}, {50, 380, 90, 370}}},
        // 0.4 pixels per position: the first two points share (30, 400).
        SegmentCase{"same_pixel", {10, 10.2, 20}, -1, 0.4, false, {{30, 400, 50, 399}}},
        SegmentCase{"one_point", {50}, -1, 10, false, {}},
        // Nothing ends at the null point; the next one starts afresh.
        SegmentCase{"null_point_breaks", {10, 20, 30, 40}, 1, 10, false, {{70, 380, 90, 370}}},
        SegmentCase{"inverted_axis_last_first", {10, 30, 20}, -1, 10, true,
                    {{50, 120, 70, 110}, {70, 110, 30, 100}}}),
    [](const auto& info) { return info.param.name; });

TEST(LineSeries, VisibleOutlineGoesUnderTheLineWiderAndInItsColour) {
  SeriesOnAxes s;
  s.Series->OutLine = {.Color = clBlack, .Width = 2, .Visible = true};
  s.Series->Add(10);
  s.Series->Add(30);
  EXPECT_EQ(s.Draw(), (std::vector<Segment>(2, {30, 400, 70, 390})));
  const auto lines = s.Canvas.Calls("StraightLine");
  EXPECT_EQ(lines[0].Pen.Width, 5);
  EXPECT_EQ(lines[0].Pen.Color, clBlack);
  EXPECT_EQ(lines[1].Pen.Width, 1);
  EXPECT_EQ(lines[1].Pen.Color, clRed);
}

TEST(LineSeries, MarginsAreZeroUnlessPointerOrOutlineNeedRoom) {
  THorizLineSeries series;
  auto margins = [&series] {
    int a = -1, b = -1, c = -1, d = -1;
    series.HorizontalMargins(a, b);
    series.VerticalMargins(c, d);
    return std::vector<int>{a, b, c, d};
  };
  EXPECT_EQ(margins(), (std::vector<int>{0, 0, 0, 0}));
  series.Pointer = {.Visible = true, .HorizSize = 4, .VertSize = 6};
  EXPECT_EQ(margins(), (std::vector<int>{5, 5, 7, 7}));
  series.Pointer.InflateMargins = false;
  series.OutLine = {.Width = 6, .Visible = true};
  EXPECT_EQ(margins(), (std::vector<int>{6, 6, 6, 6}));
}

TEST(LineSeries, LegendSymbolIsAShortLineAcrossTheMiddle) {
  SeriesOnAxes s;
  s.Series->Add(10);
  s.Series->Add(20, "", clBlue);
  s.Series->DrawLegendSymbol(s.Canvas, 1, {100, 50, 120, 59});
  s.Series->DrawLegendSymbol(s.Canvas, -1, {100, 50, 120, 60});
  s.Chart.Legend.Symbol.DefaultPen = false;  // the legend's pen stays
  s.Canvas.AssignPen(TChartPen{.Color = clGreen, .Width = 3});
  s.Series->DrawLegendSymbol(s.Canvas, -1, {0, 0, 10, 10});
  const auto lines = s.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].Args, (Segment{100, 120, 54}));
  EXPECT_EQ(lines[0].Pen.Color, clBlue);
  EXPECT_EQ(lines[1].Args, (Segment{100, 120, 55}));
  EXPECT_EQ(lines[1].Pen.Color, clRed);
  EXPECT_EQ(lines[2].Pen, (TChartPen{.Color = clGreen, .Width = 3}));
}

}  // namespace
}  // namespace chart
