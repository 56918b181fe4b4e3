#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/rounding.h"
#include "form_chart.h"
#include "numtext/numtext.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;
using testing::TRecordingCanvas;

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
                                           NiceStepCase{10, 20}, NiceStepCase{15, 20},
                                           NiceStepCase{20, 50}, NiceStepCase{500, 1000},
                                           NiceStepCase{0.5, 1}, NiceStepCase{0.2, 0.5},
                                           NiceStepCase{0.1, 0.2}, NiceStepCase{0.03, 0.05}));

TEST(NextNiceStepLimits, NeverRecursesWithoutEnd) {
  EXPECT_EQ(TChartAxis::NextNiceStep(0), SmallestStep);
  EXPECT_TRUE(std::isinf(TChartAxis::NextNiceStep(HUGE_VAL)));
  EXPECT_GT(TChartAxis::NextNiceStep(1e-320), 0);
}

// The left axis of the program's chart with `points` points, laid out on
// a plot of the given pixel height.
struct LeftAxisOf {
  LeftAxisOf(int points, int pixelLength) {
    form.AddPoints(points);
    form.Paint();
    axis.PixelLength = pixelLength;
  }
  FormChart form;
  TChartAxis& axis = form.Chart.LeftAxis;
};

TEST(LabelStep, WorkedCaseSixteenPointsOnFourHundredPixels) {
  LeftAxisOf left(16, 400);
  EXPECT_EQ(left.axis.LabelStep(left.form.Canvas), 1.0);
}

TEST(LabelStep, WorkedCaseBottomAxisTwelveLabels) {
  FormChart form;
  form.Paint();
  EXPECT_DOUBLE_EQ(form.Chart.BottomAxis.LabelStepForCount(12), 10.0);
  form.Chart.BottomAxis.PixelLength = 250;
  EXPECT_DOUBLE_EQ(form.Chart.BottomAxis.LabelStep(form.Canvas), 10.0);
}

TEST(LabelStep, EmptySeriesStepsByOne) {
  LeftAxisOf left(0, 400);
  EXPECT_EQ(left.axis.LabelStep(left.form.Canvas), 1.0);
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
                                           ShortPlotCase{14, 20}, ShortPlotCase{6, SmallestStep}));

TEST(LabelStep, IncrementIsTheSmallestStep) {
  LeftAxisOf left(16, 400);
  left.axis.SetIncrement(3);
  EXPECT_EQ(left.axis.LabelStep(left.form.Canvas), 3);
  left.axis.SetIncrement(0.5);
  EXPECT_EQ(left.axis.LabelStep(left.form.Canvas), 1) << "0.5 would need 31 labels";
}

std::vector<int> Positions(const std::vector<CanvasCall>& calls, int arg) {
  std::vector<int> positions;
  for (const CanvasCall& call : calls) positions.push_back(call.Args[static_cast<std::size_t>(arg)]);
  return positions;
}

// The calls made while one axis drew itself.
std::vector<CanvasCall> DrawAxisCalls(FormChart& form, TChartAxis& axis) {
  form.Canvas.Clear();
  axis.DrawAxis(form.Canvas, true);
  return form.Canvas.AllCalls();
}

std::vector<CanvasCall> Only(const std::vector<CanvasCall>& calls, const std::string& op,
                             const TChartPen& pen) {
  std::vector<CanvasCall> found;
  for (const CanvasCall& call : calls) {
    if (call.Op == op && call.Pen.Color == pen.Color && call.Pen.Style == pen.Style &&
        call.Pen.Width == pen.Width) {
      found.push_back(call);
    }
  }
  return found;
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
  const auto calls = DrawAxisCalls(form, left);
  EXPECT_EQ(TextsOf(calls), std::vector<std::string>{"0"});
  EXPECT_EQ(left.TickPositions, std::vector<int>{left.PixelCenter});
  const int centre = left.PixelCenter;
  EXPECT_EQ(centre, (form.Chart.ChartRect.Top + form.Chart.ChartRect.Bottom) / 2);
  const auto grid = Only(calls, "HorizontalLine", left.Grid);
  ASSERT_EQ(grid.size(), 1u);
  EXPECT_EQ(grid[0].Args, (std::vector<int>{form.Chart.ChartRect.Left + 1, form.Chart.ChartRect.Right, centre}));
  const auto ticks = Only(calls, "HorizontalLine", left.Ticks);
  ASSERT_GE(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].Args, (std::vector<int>{left.AxisPosition - 1, left.AxisPosition - 5, centre}));
}

TEST(DrawAxis, SixteenPointsAreLabelledFifteenDownToZero) {
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
  // Each label is right-aligned at the label band's edge and centred on its tick.
  const auto texts = form.Canvas.Calls("TextOutAt");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].Args, (std::vector<int>{left.LabelsPosition, left.TickPositions[i] - 6}));
    EXPECT_EQ(texts[i].TextAlign, taRight);
    EXPECT_EQ(texts[i].BackMode, bmTransparent) << "no box behind labels";
  }
}

TEST(DrawAxis, BottomAxisLabelsTensWithGridOnlyInside) {
  FormChart form;
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  const auto calls = DrawAxisCalls(form, bottom);
  EXPECT_EQ(TextsOf(calls), (std::vector<std::string>{"100", "90", "80", "70", "60", "50", "40",
                                                      "30", "20", "10", "0"}));
  ASSERT_EQ(bottom.TickPositions.size(), 11u);
  EXPECT_EQ(bottom.TickPositions.front(), bottom.PixelEnd);
  EXPECT_EQ(bottom.TickPositions.back(), bottom.PixelStart);
  for (const CanvasCall& text : form.Canvas.Calls("TextOutAt")) {
    EXPECT_EQ(text.TextAlign, taCenterAlign);
    EXPECT_EQ(text.Args[1], bottom.LabelsPosition);
  }
  const auto grid = Only(calls, "VerticalLine", bottom.Grid);
  std::vector<int> inner(bottom.TickPositions.begin() + 1, bottom.TickPositions.end() - 1);
  EXPECT_EQ(Positions(grid, 0), inner) << "no grid line at either end";
  for (const CanvasCall& line : grid) {
    EXPECT_EQ(line.Args[1], form.Chart.ChartRect.Top + 1);
    EXPECT_EQ(line.Args[2], form.Chart.ChartRect.Bottom);
  }
}

TEST(DrawAxis, AxisLineThenTicksThenGridThenMinorTicks) {
  FormChart form;
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  const auto calls = DrawAxisCalls(form, bottom);
  std::vector<std::string> order;
  for (const CanvasCall& call : calls) {
    if (call.Op != "HorizontalLine" && call.Op != "VerticalLine") continue;
    std::string kind = call.Pen.Width == 2          ? "axis"
                       : call.Pen.Style == psDot    ? "grid"
                       : call.Args[2] - call.Args[1] == 4 ? "tick"
                                                          : "minor";
    if (order.empty() || order.back() != kind) order.push_back(kind);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"axis", "tick", "grid", "minor"}));
  const auto axisLine = Only(calls, "HorizontalLine", bottom.Axis);
  ASSERT_EQ(axisLine.size(), 1u);
  EXPECT_EQ(axisLine[0].Args, (std::vector<int>{bottom.PixelStart, bottom.PixelEnd, bottom.AxisPosition}));
  EXPECT_EQ(axisLine[0].Pen.EndStyle, esRound);
}

TEST(DrawAxis, MinorTicksFallStrictlyInside) {
  FormChart form;
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  const auto calls = DrawAxisCalls(form, bottom);
  std::vector<int> minor;
  for (const CanvasCall& call : Only(calls, "VerticalLine", bottom.MinorTicks)) {
    if (call.Args[2] - call.Args[1] == bottom.MinorTickLength) minor.push_back(call.Args[0]);
  }
  EXPECT_EQ(minor.size(), 30u) << "three between each pair of the 11 ticks, none beyond the ends";
  for (int q : minor) {
    EXPECT_GT(q, bottom.PixelStart);
    EXPECT_LT(q, bottom.PixelEnd);
    EXPECT_EQ(std::count(bottom.TickPositions.begin(), bottom.TickPositions.end(), q), 0);
  }
}

TEST(DrawAxis, MinorTicksBeyondTheOuterTicksWhenTheyFit) {
  FormChart form;
  form.Chart.BottomAxis.SetRange(-6, 106);
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  const auto calls = DrawAxisCalls(form, bottom);
  int beyond = 0;
  for (const CanvasCall& call : Only(calls, "VerticalLine", bottom.MinorTicks)) {
    if (call.Args[2] - call.Args[1] != bottom.MinorTickLength) continue;
    const int q = call.Args[0];
    if (q > bottom.TickPositions.front() || q < bottom.TickPositions.back()) ++beyond;
  }
  EXPECT_EQ(beyond, 4) << "two of three fit in the 6 units before 0 and after 100";
}

TEST(DrawAxis, LabelsOnAxisOffDropsTheEnds) {
  FormChart form;
  form.Chart.BottomAxis.LabelsOnAxis = false;
  form.Paint();
  const auto calls = DrawAxisCalls(form, form.Chart.BottomAxis);
  const auto texts = TextsOf(calls);
  EXPECT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts.front(), "90");
  EXPECT_EQ(texts.back(), "10");
}

TEST(DrawAxis, TicksWithoutLabelsWhenTicksAreNotTiedToThem) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.Labels = false;
  form.Paint();
  DrawAxisCalls(form, bottom);
  EXPECT_TRUE(bottom.TickPositions.empty());
  bottom.TickOnLabelsOnly = false;
  const auto calls = DrawAxisCalls(form, bottom);
  EXPECT_TRUE(TextsOf(calls).empty());
  EXPECT_EQ(bottom.TickPositions.size(), 11u);
}

TEST(DrawAxis, RoundFirstLabelStartsAtAMultipleOfTheStep) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.SetRange(3, 97);
  form.Paint();
  auto texts = TextsOf(DrawAxisCalls(form, bottom));
  EXPECT_EQ(texts.front(), "95");
  EXPECT_EQ(texts.back(), "5");
  bottom.RoundFirstLabel = false;
  texts = TextsOf(DrawAxisCalls(form, bottom));
  EXPECT_EQ(texts.front(), "97");
  EXPECT_EQ(texts.back(), "7");
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
  EXPECT_TRUE(bottom.TickPositions.empty());
  EXPECT_TRUE(Only(calls, "VerticalLine", bottom.Grid).empty());
}

TEST(DrawAxis, HugeValuesWithATinySpanEndTheLabelWalk) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.SetRange(1e20, 1e20 + 16384);
  form.Paint();
  const auto texts = TextsOf(DrawAxisCalls(form, bottom));
  EXPECT_LE(texts.size(), 1u);
}

TEST(DrawAxis, CentredGridFallsBetweenTicks) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.Grid.Centered = true;
  form.Paint();
  const auto calls = DrawAxisCalls(form, bottom);
  const auto grid = Positions(Only(calls, "VerticalLine", bottom.Grid), 0);
  ASSERT_EQ(grid.size(), 10u);
  const auto& p = bottom.TickPositions;
  EXPECT_EQ(grid[0], Round(0.5L * (p[0] + p[1])));
}

TEST(DrawAxis, OppositeAlignmentAnchorsLabelsAtTheOuterEdge) {
  FormChart form;
  form.AddPoints(16);
  TChartAxis& left = form.Chart.LeftAxis;
  left.LabelsAlign = alOpposite;
  form.Paint();
  DrawAxisCalls(form, left);
  const int widest = left.WidestLabel(form.Canvas);
  form.Canvas.Clear();
  left.DrawAxis(form.Canvas, true);
  const auto texts = form.Canvas.Calls("TextOutAt");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].TextAlign, taLeft);
  EXPECT_EQ(texts[0].Args[0], left.LabelsPosition - widest);
}

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    decimal_ = numtext::LocaleDecimalSeparator();
    thousand_ = numtext::LocaleThousandSeparator();
    numtext::SetLocaleSeparators(",", " ");
  }
  void TearDown() override { numtext::SetLocaleSeparators(decimal_, thousand_); }

 private:
  std::string decimal_;
  std::string thousand_;
};

TEST_F(CommaLocale, LabelsUseTheLocaleSeparators) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  EXPECT_EQ(bottom.LabelText(2.5), "2,5");
  EXPECT_EQ(bottom.LabelText(12345.25), "12 345,25");
  bottom.SetRange(0, 1);
  form.Paint();
  const auto texts = TextsOf(DrawAxisCalls(form, bottom));
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "0,5"), texts.end());
}

TEST(LabelText, FollowsTheAxisFormat) {
  FormChart form;
  TChartAxis& bottom = form.Chart.BottomAxis;
  bottom.AxisValuesFormat = "0.00";
  EXPECT_EQ(bottom.LabelText(1.5), "1.50");
  bottom.AxisValuesFormat = "0 %";
  bottom.LabelsMultiLine = true;
  EXPECT_EQ(bottom.LabelText(7), "7\r%");
}

TEST(ReserveSpace, TakesLabelsAndTicksOffTheAxisSide) {
  FormChart form;
  form.AddPoints(16);
  form.Paint();
  TRecordingCanvas& canvas = form.Canvas;
  TChartAxis& left = form.Chart.LeftAxis;
  TRect rect{100, 50, 300, 400};
  left.ReserveSpace(canvas, rect, true);
  // The widest of "0" and "15" plus a space, then 2 + 1 + 4 for axis and ticks.
  EXPECT_EQ(rect, (TRect{100 + 12 + 6 + 7, 50, 300, 400}));
  EXPECT_EQ(left.LabelsPosition, 118);

  TChartAxis& bottom = form.Chart.BottomAxis;
  rect = {100, 50, 300, 400};
  bottom.ReserveSpace(canvas, rect, true);
  EXPECT_EQ(rect, (TRect{100, 50, 300, 400 - 13 - 7}));
  EXPECT_EQ(bottom.LabelsPosition, 387);

  TChartAxis& right = form.Chart.RightAxis;
  rect = {100, 50, 300, 400};
  right.LabelsSize = 30;
  right.ReserveSpace(canvas, rect, true);
  EXPECT_EQ(rect, (TRect{100, 50, 263, 400}));
  EXPECT_EQ(right.LabelsPosition, 270);
}

TEST(ReserveSpace, PositionOnlyWhenNotReserving) {
  FormChart form;
  form.Paint();
  TChartAxis& bottom = form.Chart.BottomAxis;
  TRect rect{100, 50, 300, 400};
  bottom.ReserveSpace(form.Canvas, rect, false);
  EXPECT_EQ(rect, (TRect{100, 50, 300, 400}));
  EXPECT_EQ(bottom.AxisPosition, 400);
  EXPECT_EQ(bottom.LabelsPosition, 407);
  TChartAxis& left = form.Chart.LeftAxis;
  left.PositionPercent = 10;
  left.PositionUnits = muPixels;
  left.ReserveSpace(form.Canvas, rect, false);
  EXPECT_EQ(left.AxisPosition, 110);
  EXPECT_EQ(left.LabelsPosition, 103);
}

TEST(TickAreaSize, AxisPenTicksAndMinorTicks) {
  FormChart form;
  TChartAxis& axis = form.Chart.BottomAxis;
  EXPECT_EQ(axis.TickAreaSize(), 7);
  axis.Ticks.Visible = false;
  EXPECT_EQ(axis.TickAreaSize(), 3);
  axis.Axis.Visible = false;
  EXPECT_EQ(axis.TickAreaSize(), 2) << "the minor ticks still need their length";
  axis.MinorTicks.Visible = false;
  EXPECT_EQ(axis.TickAreaSize(), 0);
}

}  // namespace
}  // namespace chart
