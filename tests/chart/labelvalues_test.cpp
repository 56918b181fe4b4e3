#include "chart/labelvalues.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <future>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "recording_canvas.h"

namespace chart {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kLeast = std::numeric_limits<double>::denorm_min();

TEST(NextNiceStep, ClimbsOneTwoFiveAndAlwaysGrows) {
  const struct {
    double x, next;
  } steps[] = {{1, 2},     {2, 5},       {5, 10},           {7.69, 10}, {15, 20},
               {0.2, 0.5}, {0.03, 0.05}, {0, SmallestStep}, {kInf, kInf}};
  for (const auto& s : steps) EXPECT_DOUBLE_EQ(NextNiceStep(s.x), s.next) << s.x;
  // Subnormal steps whose nice successor rounds back to them.
  for (const double x : {kLeast, 2 * kLeast, 4 * kLeast, 1.97626e-322}) EXPECT_GT(NextNiceStep(x), x);
}

// Left labels are 13 pixels high, the bottom axis' "100" 18 wide.
TEST(LabelsThatFit, CountsLabelsWithTheirSeparationRoundedToNearest) {
  const struct {
    int length, extent, separation, fit;
  } cases[] = {{400, 13, 10, 29}, {64, 13, 10, 5}, {250, 18, 10, 12}, {270, 18, 10, 14},
               {100, 20, 0, 5},   {100, 20, -1, 5}, {6, 13, 10, 0},   {100, 0, 10, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(LabelsThatFit(c.length, c.extent, c.separation), c.fit) << c.length << " / " << c.extent;
  }
}

TEST(LabelStepForCount, GrowsAlongTheNiceStepsUntilTheLabelsFit) {
  const struct {
    int count;
    TLabelStepRule rule;
    double step;
  } cases[] = {
      {12, {.Span = 100}, 10},
      {4, {.Span = 10}, 5},
      {40, {.Span = 15}, 0.5},
      {40, {.Span = 15, .FewestPositions = 16}, 1},  // few points keep step 1
      {40, {.Span = 15, .FewestPositions = 41}, 0.5},
      {5, {.Span = 10, .Increment = 3}, 3},
      {5, {.Span = 10, .Increment = 1}, 2},
      {5, {.Span = 10, .Separation = -1}, 10 / 6.0L},  // the first step as it is
      {5, {.Span = 0}, 1},
      {0, {.Span = 10}, SmallestStep},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(chart::LabelStepForCount(c.count, c.rule), c.step) << c.count << " " << c.rule.Span;
  }
}

TEST(LabelValues, RunFromTheRoundedTopDownToTheLowEnd) {
  const struct {
    double low, high, step;
    std::vector<double> values;
  } cases[] = {
      {0, 15, 1, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
      {7.2, 15.9, 2, {14, 12, 10, 8}},
      {-5.5, 5, 2.5, {5, 2.5, 0, -2.5, -5}},
      // Rounding toward zero lands above a negative range; the walk steps into it.
      {-7, -1, 2, {-2, -4, -6}},
      {5, 5, 1, {5}},
      {0, 1e6, 100, {}},
      {0, 1, 0, {}},
      {-kInf, kInf, kInf, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(chart::LabelValues(c.low, c.high, c.step), c.values) << c.low;
  // Far from zero a step below half the spacing of doubles cannot move the
  // first label down: the walk ends instead of looping.
  EXPECT_EQ(chart::LabelValues(-5.246782454725499e20 - 1.5e6, -5.246782454725499e20, 200).size(), 1u);
}

// Paints a chart whose line runs from `low` to `high` on both axes, the
// bottom one with the least label step `increment` (as the batch window
// sets on its time axis); true when the paint ends within a few seconds.
// The paint runs on its own thread, which a hang leaves behind instead of
// stopping the suite.
bool PaintsInTime(double low, double high, double increment) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([=] {
    {  // gone before the test goes on
      TCustomChart chart;
      auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
      line->AddXY(low, low);
      line->AddXY(high, high);
      chart.BottomAxis.SetIncrement(increment);
      testing::TRecordingCanvas canvas;
      chart.PaintTo(canvas, {0, 0, 640, 330});
    }
    done->set_value();
  }).detach();
  return finished.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
}

TEST(LabelStep, AnyAxisRangeEndsTheSearch) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const struct {
    const char* name;
    double low, high, increment;
  } cases[] = {
      {"subnormal, as a batch of 1e-320 runs", 0, 1.3e-321, 2e-322},
      {"subnormal, the least step", 0, 1.3e-321, kLeast},
      {"the least subnormal", 0, kLeast, 0},
      {"huge", -1e308, 1e308, 0},
      {"largest", -kMax, kMax, 0},
      {"equal", 5, 5, 0},
      {"infinite", -kInf, kInf, 0},
      {"not a number", std::nan(""), 1, 0},
  };
  for (const auto& c : cases) EXPECT_TRUE(PaintsInTime(c.low, c.high, c.increment)) << c.name;
}

}  // namespace
}  // namespace chart
