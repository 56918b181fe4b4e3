#include "chart/labelvalues.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <future>
#include <limits>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "recording_canvas.h"

namespace chart {
namespace {

TEST(NextNiceStep, ClimbsOneTwoFiveAndMendsStepsThatCannotGrow) {
  const std::vector<std::pair<double, double>> steps = {
      {1, 2},   {2, 5},     {5, 10},      {7.69, 10},        {15, 20},
      {20, 50}, {0.2, 0.5}, {0.03, 0.05}, {0, SmallestStep}, {HUGE_VAL, HUGE_VAL}};
  for (const auto& [x, next] : steps) EXPECT_DOUBLE_EQ(NextNiceStep(x), next) << x;
}

// Left labels are 13 pixels high, the bottom axis' "100" 18 wide.
TEST(LabelsThatFit, CountsLabelsWithTheirSeparationRoundedToNearest) {
  const struct {
    int length, extent, separation, fit;
  } cases[] = {
      {400, 13, 10, 29},  // 28.57: 14 pixels each
      {64, 13, 10, 5},    // 4.57 rounds up
      {250, 18, 10, 12},  // 12.5: 20 pixels each, the half to even
      {270, 18, 10, 14},  // 13.5: the half to even, upwards
      {100, 20, 0, 5},    {100, 20, -1, 5},
      {6, 13, 10, 0},     {100, 0, 10, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LabelsThatFit(c.length, c.extent, c.separation), c.fit)
        << c.length << " / " << c.extent;
  }
}

struct StepCase {
  std::string name;
  int count;
  TLabelStepRule rule;
  double step;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class LabelStepForCount : public ::testing::TestWithParam<StepCase> {};

TEST_P(LabelStepForCount, GrowsAlongTheNiceStepsUntilTheLabelsFit) {
  const StepCase& c = GetParam();
  EXPECT_DOUBLE_EQ(chart::LabelStepForCount(c.count, c.rule), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelStepForCount,
    ::testing::Values(
        StepCase{"HundredInTwelveLabelsGivesTen", 12, {.Span = 100}, 10},
        StepCase{"TenInFiveLabelsGivesTwo", 5, {.Span = 10}, 2},
        StepCase{"TenInFourLabelsGivesFive", 4, {.Span = 10}, 5},
        StepCase{"FifteenInFortyLabelsGivesAHalf", 40, {.Span = 15}, 0.5},
        StepCase{"FewPointsKeepStepOne", 40, {.Span = 15, .FewestPositions = 16}, 1},
        StepCase{"MorePointsThanLabelsAllowHalves", 40, {.Span = 15, .FewestPositions = 41}, 0.5},
        StepCase{"AnIncrementThatFitsIsKept", 5, {.Span = 10, .Increment = 3}, 3},
        StepCase{"AnIncrementThatDoesNotFitGrows", 5, {.Span = 10, .Increment = 1}, 2},
        StepCase{"NegativeSeparationTakesTheFirstStep", 5, {.Span = 10, .Separation = -1}, 10 / 6.0L},
        StepCase{"ZeroSpanStepsByOne", 5, {.Span = 0}, 1},
        StepCase{"NoRoomForALabel", 0, {.Span = 10}, SmallestStep}),
    [](const auto& info) { return info.param.name; });

struct ValuesCase {
  std::string name;
  double low, high, step;
  std::vector<double> values;
};

void PrintTo(const ValuesCase& c, std::ostream* os) { *os << c.name; }

class LabelValues : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(LabelValues, RunFromTheRoundedTopDownToTheLowEnd) {
  const ValuesCase& c = GetParam();
  EXPECT_EQ(chart::LabelValues(c.low, c.high, c.step), c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelValues,
    ::testing::Values(
        ValuesCase{"ZeroToFifteenByOne", 0, 15, 1,
                   {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        ValuesCase{"TopRoundsDownToTheStep", 7.2, 15.9, 2, {14, 12, 10, 8}},
        ValuesCase{"AroundZero", -5.5, 5, 2.5, {5, 2.5, 0, -2.5, -5}},
        // Rounding toward zero lands above a negative range; the walk steps into it.
        ValuesCase{"NegativeRange", -7, -1, 2, {-2, -4, -6}},
        ValuesCase{"ZeroSpanHasOneLabel", 5, 5, 1, {5}},
        ValuesCase{"TenThousandLabelsAreTooMany", 0, 1e6, 100, {}},
        ValuesCase{"JustBelowTenThousand", 0, 9999, 1000, {9000, 8000, 7000, 6000, 5000, 4000,
                                                           3000, 2000, 1000, 0}},
        ValuesCase{"NoStepNoLabels", 0, 1, 0, {}}),
    [](const auto& info) { return info.param.name; });

// Far from zero a step below half the spacing of doubles cannot move the
// first label down: the walk ends instead of looping.
TEST(LabelValuesWalk, StepTooSmallToMoveTheFirstLabelEndsIt) {
  EXPECT_EQ(chart::LabelValues(-5.246782454725499e20 - 1.5e6, -5.246782454725499e20, 200).size(), 1u);
}

// The label-step search on any axis range: labels or none, never a loop.
struct AxisEnds {
  const char* name;
  double low, high;
  // The step the time axis of a batch run is given; 0 for none.
  double increment;
};

// Paints a chart whose line runs from `low` to `high` on both axes; true
// when the paint ends within a few seconds. The paint runs on its own thread, which a hang
// leaves behind instead of stopping the suite.
bool PaintsInTime(const AxisEnds& ends) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([ends, done] {
    TCustomChart chart;
    auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
    line->AddXY(ends.low, ends.low);
    line->AddXY(ends.high, ends.high);
    chart.BottomAxis.SetIncrement(ends.increment);
    testing::TRecordingCanvas canvas;
    chart.PaintTo(canvas, {0, 0, 640, 330});
    done->set_value();
  }).detach();
  return finished.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
}

TEST(LabelStep, AnyAxisRangeEndsTheSearch) {
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kLeast = std::numeric_limits<double>::denorm_min();
  const AxisEnds cases[] = {
      {"subnormal, as a batch of 1e-320 runs", 0, 1.3e-321, 2e-322},
      {"subnormal, the least step", 0, 1.3e-321, kLeast},
      {"subnormal, no step", 4e-323, 3e-321, 0},
      {"the least subnormal", 0, kLeast, 0},
      {"huge", -1e308, 1e308, 0},
      {"huge, a step", -1e308, 1e308, 1e307},
      {"largest", -kMax, kMax, 0},
      {"largest, one end", 0, kMax, 0},
      {"equal", 5, 5, 0},
      {"equal subnormal", 1e-321, 1e-321, kLeast},
      {"infinite", -kInf, kInf, 0},
      {"not a number", std::nan(""), 1, 0},
  };
  for (const AxisEnds& ends : cases) EXPECT_TRUE(PaintsInTime(ends)) << ends.name;
}

}  // namespace
}  // namespace chart
