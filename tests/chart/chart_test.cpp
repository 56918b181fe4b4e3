#include "chart/chart.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/exceptions.h"
#include "chart/lineseries.h"
#include "form_chart.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;
using testing::TRecordingCanvas;

constexpr int kLine = TRecordingCanvas::kLineHeight;

// A series that marks where it is drawn with a line from (1, 2) to (3, 4)
// and asks for a repaint while drawing.
class MarkerSeries : public TChartSeries {
 public:
  void DrawPoints(TChartCanvas3D& canvas) override {
    ++Draws;
    canvas.StraightLine(1, 2, 3, 4);
    ParentChart()->Invalidate();
  }

  int Draws = 0;
};

class CountingChart : public TCustomChart {
 public:
  int Requests = 0;

 protected:
  void InvalidateWindow() override { ++Requests; }
};

int IndexOf(const std::vector<CanvasCall>& calls, const std::string& op, int from = 0) {
  for (std::size_t i = static_cast<std::size_t>(from); i < calls.size(); ++i) {
    if (calls[i].Op == op) return static_cast<int>(i);
  }
  return -1;
}

TEST(ChartLayout, PlotRectangleStartsInsideBevelAndMargins) {
  FormChart form;
  form.Chart.Title.Visible = false;
  form.Chart.AxisVisible = false;
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect, (TRect{9, 19, 287, 454}));
  EXPECT_EQ(form.Chart.ChartWidth, 278);
  form.Chart.MarginUnits = muPixels;
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect, (TRect{4, 5, 292, 468}));
}

TEST(ChartLayout, CollapsedRectangleIsRepaired) {
  TCustomChart chart;
  chart.ChartBounds = {0, 0, 100, 50};
  chart.ChartRect = {60, 10, 40, 10};
  chart.RecalcWidthHeight();
  EXPECT_EQ(chart.ChartRect, (TRect{60, 10, 61, 60}));
  chart.ChartRect = {-5, -5, -5, 20};
  chart.RecalcWidthHeight();
  EXPECT_EQ(chart.ChartRect, (TRect{0, 0, 1, 20}));
  chart.ChartRect = {30, 40, 30, 45};
  chart.RecalcWidthHeight();
  EXPECT_EQ(chart.ChartRect, (TRect{30, 40, 130, 45}));
  EXPECT_EQ(chart.ChartXCenter, 80);
  EXPECT_EQ(chart.ChartYCenter, 42);
}

TEST(ChartTitle, OneLineAtTwentyCentredAndTheGapBelow) {
  FormChart form;
  form.Chart.AxisVisible = false;
  form.Paint();
  const auto texts = form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 1u);
  // 18 characters of 6 pixels; the shape is 108 + 11 + 1 wide about x = 148.
  EXPECT_EQ(texts[0].Text, "Крепость в колонне");
  EXPECT_EQ(texts[0].Args, (std::vector<int>{148 - 54, 20}));
  EXPECT_EQ(texts[0].Font.Color, clBlue);
  EXPECT_EQ(texts[0].BackMode, bmTransparent);
  EXPECT_EQ(texts[0].TextAlign, taLeft);
  EXPECT_EQ(form.Chart.Title.ShapeRect, (TRect{88, 19, 208, 21 + kLine}));
  EXPECT_EQ(form.Chart.ChartRect.Top, 27 + kLine);
  EXPECT_EQ(form.Canvas.Calls("DrawRect").size(), 2u) << "panel and back wall only: no title box";
}

TEST(ChartTitle, TwoLinesTakeTwoLineHeights) {
  FormChart form;
  form.Chart.AxisVisible = false;
  form.Chart.Title.Text = {"one", "two"};
  form.Paint();
  const auto texts = form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Args[1], 20);
  EXPECT_EQ(texts[1].Args[1], 20 + kLine);
  EXPECT_EQ(form.Chart.ChartRect.Top, 27 + 2 * kLine);
}

TEST(ChartTitle, EmptyTitleTakesNoSpace) {
  FormChart form;
  form.Chart.AxisVisible = false;
  form.Chart.Title.Text.clear();
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect.Top, 19);
  EXPECT_TRUE(form.Canvas.Texts().empty());
}

TEST(ChartTitle, FootTitleTakesItsLinesFromTheBottom) {
  FormChart form;
  form.Chart.AxisVisible = false;
  form.Chart.Title.Visible = false;
  form.Chart.Foot.Text = {"foot"};
  form.Paint();
  const auto texts = form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Args[1], 455 - kLine - 1);
  EXPECT_EQ(texts[0].Font.Color, clRed);
  EXPECT_TRUE(texts[0].Font.Style.Italic);
  EXPECT_EQ(form.Chart.ChartRect.Bottom, 455 - 6 - kLine);
}

TEST(ChartAxesSpace, LeftAxisTakesItsWidestLabelBottomAxisOneLine) {
  FormChart form;
  form.Chart.Legend.Visible = false;
  form.AddPoints(16);
  form.Paint();
  // "15" is 12 wide, plus a space, plus 2 + 1 + 4 for axis line and ticks.
  EXPECT_EQ(form.Chart.ChartRect, (TRect{9 + 12 + 6 + 7, 27 + kLine, 287, 454 - kLine - 7}));
  EXPECT_EQ(form.Chart.LeftAxis.AxisPosition, form.Chart.ChartRect.Left);
  EXPECT_EQ(form.Chart.BottomAxis.AxisPosition, form.Chart.ChartRect.Bottom);
  EXPECT_EQ(form.Chart.LeftAxis.PixelStart, form.Chart.ChartRect.Top);
  EXPECT_EQ(form.Chart.LeftAxis.PixelEnd, form.Chart.ChartRect.Bottom);
}

TEST(ChartAxesSpace, EmptySeriesStillShowsBothAxes) {
  FormChart form;
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect, (TRect{9 + 6 + 6 + 7, 27 + kLine, 287, 454 - kLine - 7}));
  const auto texts = form.Canvas.Texts();
  EXPECT_EQ(texts.size(), 1u + 1u + 11u) << "title, the left axis' 0 and the bottom axis' labels";
}

TEST(ChartPaint, PanelBevelThenBackWallOnThePlot) {
  FormChart form;
  form.Paint();
  const auto& calls = form.Canvas.AllCalls();
  const auto rects = form.Canvas.Calls("DrawRect");
  ASSERT_GE(rects.size(), 2u);
  EXPECT_EQ(rects[0].Args, (std::vector<int>{0, 0, 296, 473}));
  EXPECT_EQ(rects[0].BrushColor, clBtnFace);
  EXPECT_EQ(rects[0].Pen.Style, psClear);
  const TRect plot = form.Chart.ChartRect;
  EXPECT_EQ(rects[1].Args, (std::vector<int>{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1}));
  EXPECT_EQ(rects[1].BrushStyle, bsClear);
  EXPECT_EQ(rects[1].Pen.Color, clBlack);

  // The raised bevel: light top and left, dark bottom and right.
  std::vector<CanvasCall> bevel;
  for (int i = IndexOf(calls, "DrawRect") + 1; bevel.size() < 4; ++i) {
    const auto& call = calls[static_cast<std::size_t>(i)];
    if (call.Op == "HorizontalLine" || call.Op == "VerticalLine") bevel.push_back(call);
  }
  EXPECT_EQ(bevel[0].Args, (std::vector<int>{0, 472, 0}));
  EXPECT_EQ(bevel[1].Args, (std::vector<int>{0, 295, 0}));
  EXPECT_EQ(bevel[0].Pen.Color, clBtnHighlight);
  EXPECT_EQ(bevel[2].Args, (std::vector<int>{295, 0, 472}));
  EXPECT_EQ(bevel[3].Args, (std::vector<int>{295, -1, 472}));
  EXPECT_EQ(bevel[3].Pen.Color, clBtnShadow);
}

TEST(ChartPaint, SeriesIsClippedToThePlotAndDrawnAfterTheAxes) {
  FormChart form;
  auto* marker = form.Chart.AddSeries(std::make_unique<MarkerSeries>());
  marker->Add(1);
  form.Paint();
  const auto& calls = form.Canvas.AllCalls();
  const int clip = IndexOf(calls, "ClipToRect");
  const int line = IndexOf(calls, "StraightLine");
  ASSERT_GE(clip, 0);
  const TRect plot = form.Chart.ChartRect;
  EXPECT_EQ(calls[static_cast<std::size_t>(clip)].Args,
            (std::vector<int>{plot.Left, plot.Top, plot.Right, plot.Bottom + 1}));
  EXPECT_EQ(line, clip + 1);
  EXPECT_EQ(calls[static_cast<std::size_t>(line) + 1].Op, "RemoveClip");
  int lastAxisLine = -1;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].Pen.Width == 2 && calls[i].Op == "VerticalLine") lastAxisLine = static_cast<int>(i);
  }
  EXPECT_LT(lastAxisLine, clip);
  EXPECT_EQ(marker->Draws, 1) << "the empty line series is skipped";
}

TEST(ChartPaint, AxesInFrontWhenNotBehind) {
  FormChart form;
  form.Chart.AxisBehind = false;
  form.Chart.ClipPoints = false;
  form.Chart.AddSeries(std::make_unique<MarkerSeries>())->Add(1);
  form.Paint();
  const auto& calls = form.Canvas.AllCalls();
  EXPECT_EQ(IndexOf(calls, "ClipToRect"), -1);
  const int line = IndexOf(calls, "StraightLine");
  int firstAxisLine = -1;
  for (std::size_t i = 0; i < calls.size() && firstAxisLine < 0; ++i) {
    if (calls[i].Pen.Width == 2) firstAxisLine = static_cast<int>(i);
  }
  EXPECT_GT(firstAxisLine, line);
}

TEST(ChartPaint, RepaintRequestsDuringTheDrawAreIgnored) {
  CountingChart chart;
  auto* marker = chart.AddSeries(std::make_unique<MarkerSeries>());
  marker->Add(1);
  chart.Requests = 0;
  TRecordingCanvas canvas;
  chart.PaintTo(canvas, {0, 0, 296, 473});
  EXPECT_EQ(marker->Draws, 1);
  EXPECT_EQ(chart.Requests, 0);
  EXPECT_TRUE(chart.RepaintEnabled);
  marker->Add(2);
  EXPECT_EQ(chart.Requests, 1);
}

struct ShownCase {
  std::string name;
  bool axisVisible;
  bool withSeries;
  bool seriesActive;
  std::vector<bool> shown;  // bottom, top, left, right, depth
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name; }

class AxisIsShown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(AxisIsShown, FollowsTheSeriesOnTheAxis) {
  const ShownCase& c = GetParam();
  TCustomChart chart;
  chart.AxisVisible = c.axisVisible;
  if (c.withSeries) chart.AddSeries(std::make_unique<THorizLineSeries>())->Active = c.seriesActive;
  std::vector<bool> shown;
  for (TChartAxis* axis : chart.Axes()) shown.push_back(chart.AxisIsShown(*axis));
  EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisIsShown,
    ::testing::Values(
        ShownCase{"NoSeries", true, false, true, {true, true, true, true, false}},
        ShownCase{"ActiveSeries", true, true, true, {true, false, true, false, false}},
        ShownCase{"InactiveSeries", true, true, false, {true, true, true, true, false}},
        ShownCase{"AxesOff", false, true, true, {false, false, false, false, false}}),
    [](const auto& info) { return info.param.name; });

TEST(ChartSettings, SettersRefuseOutOfRangeValues) {
  TCustomChart chart;
  try {
    chart.SetChart3DPercent(0);
    FAIL();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
  }
  EXPECT_THROW(chart.SetChart3DPercent(101), ChartException);
  EXPECT_EQ(chart.Chart3DPercent(), 15);
  chart.SetChart3DPercent(100);
  EXPECT_EQ(chart.Chart3DPercent(), 100);
  try {
    chart.SetMaxPointsPerPage(-1);
    FAIL();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
  }
  EXPECT_EQ(chart.MaxPointsPerPage(), 0);
  try {
    chart.Legend.SetFirstValue(-1);
    FAIL();
  } catch (const LegendException& e) {
    EXPECT_STREQ(e.what(), "First Legend Value must be > 0");
  }
  EXPECT_EQ(chart.Legend.FirstValue(), 0);
}

}  // namespace
}  // namespace chart
