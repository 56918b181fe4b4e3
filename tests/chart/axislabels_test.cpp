#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "form_chart.h"
#include "numtext/numtext.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;

struct NiceStepCase {
  double x;
  double next;
};

void PrintTo(const NiceStepCase& c, std::ostream* os) { *os << c.x << " -> " << c.next; }

class NextNiceStep : public ::testing::TestWithParam<NiceStepCase> {};

TEST_P(NextNiceStep, ClimbsTheOneTwoFiveSequence) {
  EXPECT_DOUBLE_EQ(TChartAxis::NextNiceStep(GetParam().x), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextNiceStep,
                         ::testing::Values(NiceStepCase{1, 2}, NiceStepCase{2, 5},
                                           NiceStepCase{5, 10}, NiceStepCase{7.69, 10},
                                           NiceStepCase{15, 20}, NiceStepCase{20, 50},
                                           NiceStepCase{0.5, 1}, NiceStepCase{0.2, 0.5},
                                           NiceStepCase{0.03, 0.05}, NiceStepCase{0, SmallestStep},
                                           NiceStepCase{HUGE_VAL, HUGE_VAL}));

// The program's chart with `points` points, its left axis given a length.
struct LeftAxisOf {
  LeftAxisOf(int points, int pixelLength) {
    form.AddPoints(points);
    form.Paint();
    axis.PixelLength = pixelLength;
  }
  FormChart form;
  TChartAxis& axis = form.Chart.LeftAxis;
};

TEST(LabelStep, WorkedCases) {
  // 0..15 on 400 pixels: 29 labels of 13 + 1 pixels fit, and 16 points
  // are few enough for a step of 1.
  LeftAxisOf left(16, 400);
  EXPECT_EQ(left.axis.LabelStep(left.form.Canvas), 1.0);
  // 0..100 on 250 pixels, "100" 18 wide: 12 labels; 100 / 13 grows to 10.
  TChartAxis& bottom = left.form.Chart.BottomAxis;
  bottom.PixelLength = 250;
  EXPECT_DOUBLE_EQ(bottom.LabelStep(left.form.Canvas), 10.0);
  LeftAxisOf empty(0, 400);
  EXPECT_EQ(empty.axis.LabelStep(empty.form.Canvas), 1.0);
}

struct ShortPlotCase {
  int pixels;
  double step;
};

void PrintTo(const ShortPlotCase& c, std::ostream* os) {
  *os << c.pixels << " px -> step " << c.step;
}

class LabelStepOnShortPlot : public ::testing::TestWithParam<ShortPlotCase> {};

// Sixteen labels 13 pixels high (14 with their separation) need 224 pixels.
TEST_P(LabelStepOnShortPlot, GrowsTheStep) {
  LeftAxisOf left(16, GetParam().pixels);
  EXPECT_DOUBLE_EQ(left.axis.LabelStep(left.form.Canvas), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Heights, LabelStepOnShortPlot,
                         ::testing::Values(ShortPlotCase{224, 1}, ShortPlotCase{140, 2},
                                           ShortPlotCase{70, 5}, ShortPlotCase{28, 10},
                                           ShortPlotCase{6, SmallestStep}));

// The calls made while the axis drew itself.
std::vector<CanvasCall> DrawAxisCalls(FormChart& form, TChartAxis& axis) {
  form.Canvas.Clear();
  axis.DrawAxis(form.Canvas, true);
  return form.Canvas.AllCalls();
}

// The lines drawn with the pen.
std::vector<std::vector<int>> LinesWith(const std::vector<CanvasCall>& calls, const TChartPen& pen) {
  std::vector<std::vector<int>> lines;
  for (const CanvasCall& call : calls) {
    if ((call.Op == "HorizontalLine" || call.Op == "VerticalLine") && call.Pen.Color == pen.Color &&
        call.Pen.Style == pen.Style && call.Pen.Width == pen.Width) {
      lines.push_back(call.Args);
    }
  }
  return lines;
}

std::vector<std::string> TextsOf(const std::vector<CanvasCall>& calls) {
  std::vector<std::string> texts;
  for (const CanvasCall& call : calls) {
    if (call.Op == "TextOutAt") texts.push_back(call.Text);
  }
  return texts;
}

TEST(DrawAxis, EmptySeriesShowsOneZeroAtTheCentreOfTheLeftSide) {
  FormChart form;
  form.Paint();
  TChartAxis& left = form.Chart.LeftAxis;
  const TRect plot = form.Chart.ChartRect;
  const auto calls = DrawAxisCalls(form, left);
  const int centre = (plot.Top + plot.Bottom) / 2;
  EXPECT_EQ(TextsOf(calls), std::vector<std::string>{"0"});
  EXPECT_EQ(left.TickPositions, std::vector<int>{centre});
  const auto grid = LinesWith(calls, left.Grid);
  EXPECT_EQ(grid, (std::vector<std::vector<int>>{{plot.Left + 1, plot.Right, centre}}));
  const auto ticks = LinesWith(calls, left.Ticks);
  ASSERT_FALSE(ticks.empty());
  EXPECT_EQ(ticks[0], (std::vector<int>{plot.Left - 1, plot.Left - 5, centre}));
}

TEST(DrawAxis, SixteenPointsAreLabelledFifteenDownToZeroCentredOnTheirTicks) {
  FormChart form;
  form.AddPoints(16);
  form.Paint();
  TChartAxis& left = form.Chart.LeftAxis;
  const auto calls = DrawAxisCalls(form, left);
  std::vector<std::string> expected;
  for (int i = 15; i >= 0; --i) expected.push_back(std::to_string(i));
  EXPECT_EQ(TextsOf(calls), expected);
  EXPECT_EQ(left.TickPositions.front(), left.PixelStart);
  EXPECT_EQ(left.TickPositions.back(), left.PixelEnd);
  const auto texts = form.Canvas.Calls("TextOutAt");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].Args, (std::vector<int>{left.LabelsPosition, left.TickPositions[i] - 6}));
    EXPECT_EQ(texts[i].TextAlign, taRight);
    EXPECT_EQ(texts[i].BackMode, bmTransparent) << "no box behind labels";
  }
}

TEST(DrawAxis, BottomAxisTensWithGridOnlyInsideAndMinorTicksStrictlyInside) {
  FormChart form;
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  const TRect plot = form.Chart.ChartRect;
  const auto calls = DrawAxisCalls(form, bottom);
  EXPECT_EQ(TextsOf(calls), (std::vector<std::string>{"100", "90", "80", "70", "60", "50", "40",
                                                      "30", "20", "10", "0"}));
  const std::vector<int>& ticks = bottom.TickPositions;
  ASSERT_EQ(ticks.size(), 11u);
  EXPECT_EQ(ticks.front(), bottom.PixelEnd);
  EXPECT_EQ(ticks.back(), bottom.PixelStart);
  for (const CanvasCall& text : form.Canvas.Calls("TextOutAt")) {
    EXPECT_EQ(text.TextAlign, taCenterAlign);
    EXPECT_EQ(text.Args[1], bottom.LabelsPosition);
  }

  std::vector<std::vector<int>> inner;
  for (std::size_t i = 1; i + 1 < ticks.size(); ++i) inner.push_back({ticks[i], plot.Top + 1, plot.Bottom});
  EXPECT_EQ(LinesWith(calls, bottom.Grid), inner) << "no grid line at either end";

  int minor = 0;
  for (const auto& line : LinesWith(calls, bottom.MinorTicks)) {
    if (line[2] - line[1] != bottom.MinorTickLength) continue;
    ++minor;
    EXPECT_GT(line[0], bottom.PixelStart);
    EXPECT_LT(line[0], bottom.PixelEnd);
  }
  EXPECT_EQ(minor, 30) << "three between each pair of ticks, none beyond the ends";
}

TEST(DrawAxis, TooManyLabelsDrawNoneAndNoGrid) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  // Without separation the step stays at the increment: 100000 labels.
  bottom.LabelsSeparation = -1;
  bottom.SetIncrement(0.001);
  form.Paint();
  const auto calls = DrawAxisCalls(form, bottom);
  EXPECT_TRUE(TextsOf(calls).empty());
  EXPECT_TRUE(LinesWith(calls, bottom.Grid).empty());
}

TEST(DrawAxis, StepTooSmallToChangeAHugeValueEndsTheLabelWalk) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.SetRange(1e20, 1e20 + 16384);
  form.Paint();
  EXPECT_LE(TextsOf(DrawAxisCalls(form, bottom)).size(), 1u);
}

TEST(DrawAxis, RoundFirstLabelStartsAtAMultipleOfTheStep) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.SetRange(3, 97);
  form.Paint();
  EXPECT_EQ(TextsOf(DrawAxisCalls(form, bottom)).front(), "95");
  bottom.RoundFirstLabel = false;
  const auto texts = TextsOf(DrawAxisCalls(form, bottom));
  EXPECT_EQ(texts.front(), "97");
  EXPECT_EQ(texts.back(), "7");
}

TEST(LabelText, FollowsTheAxisFormatAndTheLocaleSeparators) {
  const std::string decimal = numtext::LocaleDecimalSeparator();
  const std::string thousand = numtext::LocaleThousandSeparator();
  numtext::SetLocaleSeparators(",", " ");
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  EXPECT_EQ(bottom.LabelText(2.5), "2,5");
  EXPECT_EQ(bottom.LabelText(12345.25), "12 345,25");
  bottom.AxisValuesFormat = "0.00";
  EXPECT_EQ(bottom.LabelText(1.5), "1,50");
  numtext::SetLocaleSeparators(decimal, thousand);
}

TEST(ReserveSpace, TakesLabelsAndTicksOffTheAxisSide) {
  FormChart form;
  form.AddPoints(16);
  form.Paint();
  TChartAxis& left = form.Chart.LeftAxis;
  TRect rect{100, 50, 300, 400};
  left.ReserveSpace(form.Canvas, rect, true);
  // The wider of "0" and "15" plus a space, then 2 + 1 + 4 for axis and ticks.
  EXPECT_EQ(rect, (TRect{100 + 12 + 6 + 7, 50, 300, 400}));
  EXPECT_EQ(left.LabelsPosition, 118);

  TChartAxis& bottom = form.Chart.BottomAxis;
  rect = {100, 50, 300, 400};
  bottom.ReserveSpace(form.Canvas, rect, true);
  EXPECT_EQ(rect, (TRect{100, 50, 300, 400 - 13 - 7}));
  EXPECT_EQ(bottom.LabelsPosition, 387);
}

}  // namespace
}  // namespace chart
