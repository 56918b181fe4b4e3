#include "chart/lineseries.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "form_chart.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using testing::FormChart;
using testing::TRecordingCanvas;
using Segment = std::vector<int>;

// A line series on axes with a plain, fixed mapping: x = 10 + 2 * value,
// y = 400 - yPerPosition * position, so expected pixels are easy to read.
struct SeriesOnAxes {
  explicit SeriesOnAxes(double yPerPosition = 10) {
    Series = Chart.AddSeries(std::make_unique<THorizLineSeries>());
    Series->SeriesColor = clRed;
    Map(Chart.BottomAxis, 2, 10, 210);
    Map(Chart.LeftAxis, yPerPosition, 100, 400);
  }
  static void Map(TChartAxis& axis, double perUnit, int start, int end) {
    axis.RangeMin = 0;
    axis.RangeIsZero = false;
    axis.PixelsPerUnit = perUnit;
    axis.PixelStart = start;
    axis.PixelEnd = end;
  }
  void Add(const std::vector<double>& values) {
    for (double v : values) Series->Add(v);
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
  TRecordingCanvas Canvas;
};

TEST(LineSeriesDrawing, ZigzagIsJoinedInIndexOrderNeverSorted) {
  SeriesOnAxes s;
  s.Add({10, 30, 20, 40});
  EXPECT_EQ(s.Draw(), (std::vector<Segment>{
                          {30, 400, 70, 390}, {70, 390, 50, 380}, {50, 380, 90, 370}}));
  for (const auto& call : s.Canvas.Calls("StraightLine")) {
    EXPECT_EQ(call.Pen.Color, clRed);
    EXPECT_EQ(call.Pen.Width, 1);
    EXPECT_EQ(call.BrushStyle, bsClear);
  }
}

TEST(LineSeriesDrawing, PointOnThePreviousPixelAddsNoSegment) {
  // 0.4 pixels per position: positions 0 and 1 both land on y = 400.
  SeriesOnAxes s(0.4);
  s.Add({10, 10.2, 20});
  EXPECT_EQ(s.Draw(), (std::vector<Segment>{{30, 400, 50, 399}}));
}

TEST(LineSeriesDrawing, SinglePointDrawsNothing) {
  SeriesOnAxes s;
  s.Add({50});
  EXPECT_TRUE(s.Draw().empty());
}

TEST(LineSeriesDrawing, NoColourPointBreaksTheLine) {
  SeriesOnAxes s;
  s.Series->Add(10);
  s.Series->Add(20, "", clNone);
  s.Series->Add(30);
  s.Series->Add(40);
  // Nothing ends at the null point, and the next one starts afresh.
  EXPECT_EQ(s.Draw(), (std::vector<Segment>{{70, 380, 90, 370}}));
}

TEST(LineSeriesDrawing, SegmentTakesTheColourOfThePointItEndsAt) {
  SeriesOnAxes s;
  s.Series->Add(10);
  s.Series->Add(20, "", clBlue);
  s.Series->Add(30);
  s.Draw();
  const auto lines = s.Canvas.Calls("StraightLine");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Pen.Color, clBlue);
  EXPECT_EQ(lines[1].Pen.Color, clRed);

  s.Canvas.Clear();
  s.Series->ColorEachLine = false;
  s.Draw();
  for (const auto& call : s.Canvas.Calls("StraightLine")) EXPECT_EQ(call.Pen.Color, clRed);
}

TEST(LineSeriesDrawing, InvertedPositionAxisDrawsLastPointFirst) {
  SeriesOnAxes s;
  s.Chart.LeftAxis.Inverted = true;
  s.Add({10, 30, 20});
  // y = 100 + 10 * position on the inverted axis.
  EXPECT_EQ(s.Draw(), (std::vector<Segment>{{50, 120, 70, 110}, {70, 110, 30, 100}}));
}

TEST(LineSeriesDrawing, VisibleOutlineIsDrawnFirstWiderAndInItsColour) {
  SeriesOnAxes s;
  s.Series->OutLine = {.Color = clBlack, .Width = 2, .Visible = true};
  s.Add({10, 30});
  EXPECT_EQ(s.Draw(), (std::vector<Segment>{{30, 400, 70, 390}, {30, 400, 70, 390}}));
  const auto lines = s.Canvas.Calls("StraightLine");
  EXPECT_EQ(lines[0].Pen.Width, 5);
  EXPECT_EQ(lines[0].Pen.Color, clBlack);
  EXPECT_EQ(lines[1].Pen.Width, 1);
  EXPECT_EQ(lines[1].Pen.Color, clRed);
  EXPECT_EQ(s.Series->SeriesColor, clRed);
  EXPECT_EQ(s.Series->LinePen.Width, 1);
}

struct MarginCase {
  std::string name;
  bool pointerVisible;
  bool inflate;
  int outlineWidth;  // 0: outline hidden
  int horizontal;
  int vertical;
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << c.name; }

class LineSeriesMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(LineSeriesMargins, BothEndsGetTheSameRoom) {
  const MarginCase& c = GetParam();
  THorizLineSeries series;
  series.Pointer.Visible = c.pointerVisible;
  series.Pointer.InflateMargins = c.inflate;
  series.Pointer.HorizSize = 4;
  series.Pointer.VertSize = 6;
  if (c.outlineWidth > 0) series.OutLine = {.Width = c.outlineWidth, .Visible = true};
  int a = -1;
  int b = -1;
  series.HorizontalMargins(a, b);
  EXPECT_EQ(a, c.horizontal);
  EXPECT_EQ(b, c.horizontal);
  series.VerticalMargins(a, b);
  EXPECT_EQ(a, c.vertical);
  EXPECT_EQ(b, c.vertical);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSeriesMargins,
    ::testing::Values(MarginCase{"plain line", false, true, 0, 0, 0},
                      MarginCase{"visible pointer", true, true, 0, 5, 7},
                      MarginCase{"pointer without inflation", true, false, 0, 0, 0},
                      MarginCase{"wide outline", false, true, 9, 9, 9},
                      MarginCase{"pointer beats thin outline", true, true, 2, 5, 7}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) {
        if (ch == ' ') ch = '_';
      }
      return name;
    });

TEST(LineSeriesLegendSymbol, ShortLineAcrossTheMiddleInThePointColour) {
  SeriesOnAxes s;
  s.Series->Add(10);
  s.Series->Add(20, "", clBlue);
  s.Series->DrawLegendSymbol(s.Canvas, 1, {100, 50, 120, 59});
  s.Series->DrawLegendSymbol(s.Canvas, -1, {100, 50, 120, 60});
  const auto lines = s.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Args, (std::vector<int>{100, 120, 54}));
  EXPECT_EQ(lines[0].Pen.Color, clBlue);
  EXPECT_EQ(lines[1].Args, (std::vector<int>{100, 120, 55}));
  EXPECT_EQ(lines[1].Pen.Color, clRed);
  EXPECT_EQ(lines[1].BrushStyle, bsClear);
}

TEST(LineSeriesLegendSymbol, KeepsTheLegendPenWhenNotTheDefault) {
  SeriesOnAxes s;
  s.Chart.Legend.Symbol.DefaultPen = false;
  s.Canvas.AssignPen(TChartPen{.Color = clGreen, .Width = 3});
  s.Series->DrawLegendSymbol(s.Canvas, -1, {0, 0, 10, 10});
  const auto lines = s.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Pen.Color, clGreen);
  EXPECT_EQ(lines[0].Pen.Width, 3);
}

// The program's chart: the profile climbs from the bottom of the plot to
// its top, clipped to the plot.
TEST(LineSeriesInChart, ProfileClimbsFromPlotBottomToTopInsideTheClip) {
  FormChart form;
  const std::vector<double> profile = {9.4, 20, 45, 60, 70, 75.96};
  for (double v : profile) form.Series->Add(v);
  form.Paint();
  const TRect plot = form.Chart.ChartRect;

  const auto& calls = form.Canvas.AllCalls();
  std::vector<Segment> segments;
  bool clipped = false;
  for (const auto& call : calls) {
    if (call.Op == "ClipToRect") {
      clipped = true;
      EXPECT_EQ(call.Args, (std::vector<int>{plot.Left, plot.Top, plot.Right, plot.Bottom + 1}));
    } else if (call.Op == "RemoveClip") {
      clipped = false;
    } else if (call.Op == "StraightLine") {
      EXPECT_TRUE(clipped);
      EXPECT_EQ(call.Pen.Color, clRed);
      segments.push_back(call.Args);
    }
  }
  ASSERT_EQ(segments.size(), profile.size() - 1);
  EXPECT_EQ(segments.front()[1], plot.Bottom);
  EXPECT_EQ(segments.back()[3], plot.Top);
  EXPECT_EQ(segments.back()[2], form.Chart.BottomAxis.ValueToPixelX(75.96));
  for (std::size_t i = 1; i < segments.size(); ++i) {
    EXPECT_EQ(segments[i][0], segments[i - 1][2]);
    EXPECT_EQ(segments[i][1], segments[i - 1][3]);
    EXPECT_LT(segments[i][3], segments[i][1]);
  }
}

}  // namespace
}  // namespace chart
