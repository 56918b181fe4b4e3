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

TEST(NextNiceStep, ClimbsOneTwoFiveAndMendsStepsThatCannotGrow) {
  const std::vector<std::pair<double, double>> steps = {
      {1, 2},   {2, 5},     {5, 10},      {7.69, 10},        {15, 20},
      {20, 50}, {0.2, 0.5}, {0.03, 0.05}, {0, SmallestStep}, {HUGE_VAL, HUGE_VAL}};
  for (const auto& [x, next] : steps) EXPECT_DOUBLE_EQ(TChartAxis::NextNiceStep(x), next) << x;
}

struct StepCase {
  std::string name;
  int points;
  bool bottom;
  int pixels;
  double step;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class LabelStep : public ::testing::TestWithParam<StepCase> {};

// Left labels are 13 pixels high, 14 with their separation; the bottom
// axis' widest label "100" is 18 wide, 20 with it.
TEST_P(LabelStep, FitsTheLabelsIntoTheAxisLength) {
  const StepCase& c = GetParam();
  FormChart form;
  form.AddPoints(c.points);
  form.Paint();
  TChartAxis& axis = c.bottom ? form.Chart.BottomAxis : form.Chart.LeftAxis;
  axis.PixelLength = c.pixels;
  EXPECT_DOUBLE_EQ(axis.LabelStep(form.Canvas), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelStep,
    ::testing::Values(StepCase{"Left0To15On400FewPointsGiveOne", 16, false, 400, 1},
                      StepCase{"Bottom0To100On250TwelveLabelsGiveTen", 0, true, 250, 10},
                      StepCase{"Left224FitsSixteen", 16, false, 224, 1},
                      StepCase{"Left140GrowsToTwo", 16, false, 140, 2},
                      StepCase{"Left70GrowsToFive", 16, false, 70, 5},
                      StepCase{"Left28GrowsToTen", 16, false, 28, 10},
                      StepCase{"NoRoomForALabel", 16, false, 6, SmallestStep}),
    [](const auto& info) { return info.param.name; });

// The chart laid out by one paint; its axis is then drawn alone.
struct DrawnAxis {
  DrawnAxis(int points, bool bottom) : axis(bottom ? form.Chart.BottomAxis : form.Chart.LeftAxis) {
    form.AddPoints(points);
    form.Paint();
    form.Canvas.Clear();
    axis.DrawAxis(form.Canvas, true);
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
  EXPECT_EQ(d.axis.TickPositions, std::vector<int>{centre});
  EXPECT_EQ(d.LinesWith(d.axis.Grid), (Lines{{d.plot.Left + 1, d.plot.Right, centre}}));
  EXPECT_EQ(d.LinesWith(d.axis.Ticks).at(0),
            (std::vector<int>{d.plot.Left - 1, d.plot.Left - 5, centre}));
}

TEST(DrawAxis, SixteenPointsAreLabelledFifteenDownToZeroCentredOnTheirTicks) {
  DrawnAxis d(16, false);
  const auto texts = d.form.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 16u);
  EXPECT_EQ(d.axis.TickPositions.front(), d.axis.PixelStart);
  EXPECT_EQ(d.axis.TickPositions.back(), d.axis.PixelEnd);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].Text, std::to_string(15 - i));
    EXPECT_EQ(texts[i].Args,
              (std::vector<int>{d.axis.LabelsPosition, d.axis.TickPositions[i] - 6}));
    EXPECT_EQ(texts[i].TextAlign, taRight);
  }
}

TEST(DrawAxis, GridOnlyBetweenTheEndsAndMinorTicksStrictlyInside) {
  DrawnAxis d(0, true);
  const std::vector<int>& ticks = d.axis.TickPositions;
  ASSERT_EQ(ticks.size(), 11u) << "100 down to 0 in tens";
  EXPECT_EQ(ticks.front(), d.axis.PixelEnd);
  EXPECT_EQ(ticks.back(), d.axis.PixelStart);
  Lines inner;
  for (std::size_t i = 1; i + 1 < ticks.size(); ++i)
    inner.push_back({ticks[i], d.plot.Top + 1, d.plot.Bottom});
  EXPECT_EQ(d.LinesWith(d.axis.Grid), inner);
  int minor = 0;
  for (const auto& line : d.LinesWith(d.axis.MinorTicks)) {
    if (line[2] - line[1] != d.axis.MinorTickLength) continue;
    ++minor;
    EXPECT_GT(line[0], d.axis.PixelStart);
    EXPECT_LT(line[0], d.axis.PixelEnd);
  }
  EXPECT_EQ(minor, 30) << "three between each pair of ticks, none beyond the ends";
}

// The first label rounds to just above the range's top, and a step below
// half the spacing of doubles there cannot move it down.
TEST(DrawAxis, StepTooSmallToMoveTheFirstLabelEndsTheLabelWalk) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.LabelsSeparation = -1;
  bottom.SetIncrement(200);
  bottom.SetRange(-5.246782454725499e20 - 1.5e6, -5.246782454725499e20);
  form.Paint();
  form.Canvas.Clear();
  bottom.DrawAxis(form.Canvas, true);
  EXPECT_EQ(form.Canvas.Texts().size(), 1u);
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

TEST(AxisMapping, RunsBottomUpClampsFarValuesAndMapsBack) {
  MappedAxis m(16);
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::pair<double, int>> pixels = {
      {0, 430}, {15, 30}, {-15, 830}, {1e300, -PixelLimit}, {-1e300, PixelLimit},
      {inf, -PixelLimit}, {std::nan(""), PixelLimit}};
  for (const auto& [value, pixel] : pixels) EXPECT_EQ(m.left.ValueToPixel(value), pixel) << value;
  EXPECT_DOUBLE_EQ(m.left.PixelToValue(30), 15);
  EXPECT_DOUBLE_EQ(m.left.PixelToValue(230), 7.5);
  m.left.Inverted = true;
  EXPECT_EQ(m.left.ValueToPixel(0), 30);
  EXPECT_DOUBLE_EQ(m.left.PixelToValue(30), 0);
  m.left.PixelEnd = m.left.PixelStart;
  m.left.PixelLength = 0;
  EXPECT_EQ(m.left.PixelToValue(100), 0) << "an axis shorter than a pixel";
}

TEST(AxisMapping, ZeroRangeMapsEverythingToTheCentre) {
  MappedAxis m(1);
  EXPECT_TRUE(m.left.RangeIsZero);
  EXPECT_EQ(m.left.ValueToPixel(0), 230);
  EXPECT_EQ(m.left.ValueToPixel(1e6), 230);
}

}  // namespace
}  // namespace chart
