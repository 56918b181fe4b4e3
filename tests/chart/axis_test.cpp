#include "chart/axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/scoped_separators.h"
#include "form_chart.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;
using Lines = std::vector<std::vector<int>>;

// The chart laid out by one paint; its axis is then drawn alone.
struct DrawnAxis {
  DrawnAxis(int points, bool bottom) : axis(bottom ? form.Chart.BottomAxis : form.Chart.LeftAxis) {
    form.AddPoints(points);
    form.Paint();
    form.Canvas.Clear();
    axis.DrawAxis(form.Canvas);
  }
  // The lines drawn with the pen.
  Lines LinesWith(const TChartPen& pen) const {
    Lines lines;
    for (const CanvasCall& call : form.Canvas.Calls()) {
      if (call.Op.ends_with("Line") && call.Pen == pen) lines.push_back(call.Args);
    }
    return lines;
  }

  FormChart form;
  TChartAxis& axis;
  const TRect& plot = form.Chart.ChartRect;
};

TEST(DrawAxis, EmptySeriesShowsOneZeroAtTheCentreOfTheLeftSide) {
  DrawnAxis d(0, false);
  const int centre = (d.plot.Top + d.plot.Bottom) / 2;
  EXPECT_EQ(d.form.Canvas.Texts(), std::vector<std::string>{"0"});
  EXPECT_EQ(d.axis.TickPositions(), std::vector<int>{centre});
  EXPECT_EQ(d.LinesWith(d.axis.Grid), (Lines{{d.plot.Left + 1, d.plot.Right, centre}}));
  EXPECT_EQ(d.LinesWith(d.axis.Ticks).at(0),
            (std::vector<int>{d.plot.Left - 1, d.plot.Left - 5, centre}));
}

TEST(DrawAxis, SixteenPointsAreLabelledFifteenDownToZeroCentredOnTheirTicks) {
  DrawnAxis d(16, false);
  const auto texts = d.form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 16u);
  EXPECT_EQ(d.axis.TickPositions().front(), d.axis.Scale().First());
  EXPECT_EQ(d.axis.TickPositions().back(), d.axis.Scale().Last());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].Text, std::to_string(15 - i));
    EXPECT_EQ(texts[i].Args,
              (std::vector<int>{d.axis.LabelsPosition(), d.axis.TickPositions()[i] - 6}));
    EXPECT_EQ(texts[i].TextAlign, taRight);
  }
}

TEST(DrawAxis, GridOnlyBetweenTheEndsAndMinorTicksStrictlyInside) {
  DrawnAxis d(0, true);
  const std::vector<int>& ticks = d.axis.TickPositions();
  ASSERT_EQ(ticks.size(), 11u) << "100 down to 0 in tens";
  EXPECT_EQ(ticks.front(), d.axis.Scale().Last());
  EXPECT_EQ(ticks.back(), d.axis.Scale().First());
  Lines inner;
  for (std::size_t i = 1; i + 1 < ticks.size(); ++i)
    inner.push_back({ticks[i], d.plot.Top + 1, d.plot.Bottom});
  EXPECT_EQ(d.LinesWith(d.axis.Grid), inner);
  int minor = 0;
  for (const auto& line : d.LinesWith(d.axis.MinorTicks)) {
    if (line[2] - line[1] != d.axis.MinorTickLength) continue;
    ++minor;
    EXPECT_GT(line[0], d.axis.Scale().First());
    EXPECT_LT(line[0], d.axis.Scale().Last());
  }
  EXPECT_EQ(minor, 30) << "three between each pair of ticks, none beyond the ends";
}

// 31 points up the left axis, zoomed to 24..25.5, in a 296 x 500 chart: the
// band is first measured over the length before the bottom axis takes its
// band, where 31 labels fit and the few points keep step 1 ("24", "25");
// the labels are drawn over the final length, where fewer fit and the step
// is 0.05 ("25.45"). The band must hold the labels drawn: none starts left
// of the panel's bevel and margin (x = 9).
TEST(DrawAxis, LeftLabelsStayInTheBandWhenTheFinalLengthTakesAnotherStep) {
  FormChart form;
  form.AddPoints(31);
  form.Chart.LeftAxis.SetRange(24, 25.5);
  form.Canvas.Clear();
  form.Chart.PaintTo(form.Canvas, {0, 0, 296, 500});
  const TChartAxis& left = form.Chart.LeftAxis;
  int labels = 0;
  bool decimals = false;
  for (const CanvasCall& call : form.Canvas.Calls("TextOutAt")) {
    // Right-aligned left of the plot: the left axis' labels, not the legend's.
    if (call.TextAlign != taRight || call.Args[0] >= form.Chart.ChartRect.Left) continue;
    ++labels;
    decimals = decimals || call.Text.find('.') != std::string::npos;
    EXPECT_GE(call.Args[0] - form.Canvas.TextWidth(call.Text), 9) << call.Text;
    EXPECT_EQ(call.Args[0], left.LabelsPosition()) << call.Text;
  }
  EXPECT_GT(labels, 20);
  EXPECT_TRUE(decimals) << "the step of the final length";
  EXPECT_EQ(left.AxisPosition() - left.LabelsPosition(), left.TickAreaSize())
      << "ticks right beside the band";
}

TEST(LabelText, FollowsTheAxisFormatAndTheLocaleSeparators) {
  ScopedSeparators comma(",", " ");
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  EXPECT_EQ(bottom.LabelText(12345.25), "12 345,25");
  bottom.AxisValuesFormat = "0.00";
  EXPECT_EQ(bottom.LabelText(1.5), "1,50");
}

// The points 0, 1, ... up the left axis of a plot from (40, 30) to (340, 430).
struct MappedAxis {
  explicit MappedAxis(int points) {
    auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
    for (int i = 0; i < points; ++i) series->Add(50);
    chart.ChartBounds = {0, 0, 400, 500};
    chart.ChartRect = {40, 30, 340, 430};
    chart.RecalcWidthHeight();
    left.AdjustRange();
    left.ComputePixelRange();
  }
  TCustomChart chart;
  TChartAxis& left = chart.LeftAxis;
};

TEST(AxisPixelRange, RunsBottomUpOverThePlotAndTopDownWhenInverted) {
  MappedAxis m(16);
  EXPECT_EQ(m.left.ValueToPixel(0), 430);
  EXPECT_EQ(m.left.ValueToPixel(15), 30);
  m.left.Inverted = true;
  m.left.ComputePixelRange();
  EXPECT_EQ(m.left.ValueToPixel(0), 30);
  EXPECT_EQ(m.left.ValueToPixel(15), 430);
}

// Margins of 40 pixels at the top and 10 at the bottom leave the data
// 0..15 between the pixels 420 and 70; the axis keeps its pixels and
// shows a wider range.
TEST(AxisMargins, VerticalAxisKeepsTheDataInsideItsMargins) {
  MappedAxis m(16);
  m.left.ApplyMargins(40, 10);
  EXPECT_EQ(m.left.Scale().First(), 30);
  EXPECT_EQ(m.left.Scale().Last(), 430);
  EXPECT_EQ(m.left.ValueToPixel(15), 70);
  EXPECT_EQ(m.left.ValueToPixel(0), 420);
  EXPECT_DOUBLE_EQ(m.left.Scale().High(), 15 + 40 * 15.0 / 350);
  EXPECT_DOUBLE_EQ(m.left.Scale().Low(), -10 * 15.0 / 350);
}

TEST(AxisMargins, HorizontalAxisTakesTheFirstMarginAtTheLeft) {
  TCustomChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  series->Add(0);
  series->Add(100);
  chart.ChartBounds = {0, 0, 400, 500};
  chart.ChartRect = {40, 30, 340, 430};
  chart.RecalcWidthHeight();
  TChartAxis& bottom = chart.BottomAxis;
  bottom.AdjustRange();
  bottom.ComputePixelRange();
  bottom.ApplyMargins(50, 0);
  EXPECT_EQ(bottom.ValueToPixel(0), 90);
  EXPECT_EQ(bottom.ValueToPixel(100), 340);
}

TEST(AxisMargins, MarginsWiderThanTheAxisLeaveAZeroRange) {
  MappedAxis m(16);
  m.left.ApplyMargins(300, 200);
  EXPECT_TRUE(m.left.Scale().IsZero());
}

}  // namespace
}  // namespace chart
