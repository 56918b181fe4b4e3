#include "analysis/inverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace analysis {
namespace {

// Inputs of a power, a still strength as a fraction, trays and a reflux ratio.
model::ColumnInputs Inputs(std::int32_t power, long double fraction, int traycount, long double ratio) {
  return {power, model::Strength::FromFraction(fraction), traycount, model::RefluxRatio::FromRatio(ratio)};
}

long double TopPercent(const model::ColumnInputs& inputs, int traycount, long double ratio) {
  return model::Calculate(Inputs(inputs.power, inputs.stillstrength.Fraction(), traycount, ratio))
      .topstrength.Percent();
}

// The answer reaches the target and the step below it does not.
TEST(LeastRefluxRatio, IsTheFirstStepThatReaches) {
  const struct {
    model::ColumnInputs inputs;
    RefluxRange range;
    long double target;
    long double expected;
  } cases[] = {
      {Inputs(1000, 0.01L, 20, 15), {0, 20, 2}, 80, 16.72L},
      {Inputs(1000, 0.01L, 20, 15), {16.715L, 20, 2}, 80, 16.72L},  // from between two steps
      {Inputs(1000, 0.2L, 15, 1), {0, 1, 2}, 88.2L, 1},              // at the upper end
      {Inputs(1000, 0.01L, 20, 15), {0.011L, 20, 2}, 5, 0.02L},      // reached everywhere
      // Top strength climbs past 72.6 % at 25.75, then falls below it from
      // 27.24 on: a bisection looking at 25 and 27.5 would miss the answer.
      {Inputs(500, 0.05L, 1, 0), {20, 30, 2}, 72.6L, 25.75L},
  };
  for (const auto& c : cases) {
    const std::optional<RefluxAnswer> answer = LeastRefluxRatio(c.inputs, c.range, c.target);
    ASSERT_TRUE(answer && answer->reached) << c.target;
    EXPECT_EQ(answer->refluxratio, c.expected) << c.target;
    EXPECT_GE(TopPercent(c.inputs, c.inputs.traycount, answer->refluxratio), c.target);
    const long double below = std::round(answer->refluxratio * 100 - 1) / 100;
    if (below >= c.range.from) {
      EXPECT_LT(TopPercent(c.inputs, c.inputs.traycount, below), c.target) << c.target;
    }
  }
}

TEST(LeastTrayCount, IsTheFirstCountThatReaches) {
  const struct {
    model::ColumnInputs inputs;
    long double target;
    int expected;
  } cases[] = {{Inputs(1000, 0.01L, 20, 15), 70, 3}, {Inputs(1000, 0.1L, 5, 2), 87, 5}};
  for (const auto& c : cases) {
    const std::optional<TrayAnswer> answer = LeastTrayCount(c.inputs, c.target);
    ASSERT_TRUE(answer && answer->reached) << c.target;
    EXPECT_EQ(answer->traycount, c.expected) << c.target;
    const long double ratio = c.inputs.reflux.Ratio();
    EXPECT_GE(TopPercent(c.inputs, c.expected, ratio), c.target);
    EXPECT_LT(TopPercent(c.inputs, c.expected - 1, ratio), c.target);
  }
}

// What the reason says: why, the target, and the tray count with the range
// or the reflux ratio searched at.
TEST(InverseSearch, SaysWhyATargetIsUnreachable) {
  using Why = Unreachable::Why;
  const auto fields = [](const Unreachable& r) {
    return std::tuple(r.why, r.targetpercent, r.traycount, r.range.from, r.range.to, r.refluxratio);
  };
  const std::pair<Unreachable, std::tuple<Why, long double, int, long double, long double, long double>> cases[] = {
      // One tray tops out at 44.32 %.
      {LeastRefluxRatio(Inputs(1000, 0.01L, 1, 15), {0, 20, 2}, 50).value().reason, {Why::kNoRefluxRatio, 50, 1, 0, 20, 0}},
      // The range ends between two steps, short of the 16.72 that reaches 80 %.
      {LeastRefluxRatio(Inputs(1000, 0.01L, 20, 15), {0, 16.716L, 2}, 80).value().reason,
       {Why::kNoRefluxRatio, 80, 20, 0, 16.716L, 0}},
      {LeastRefluxRatio(Inputs(1000, 0.4L, 100, 15), {0, 20, 2}, 95.6L).value().reason, {Why::kAboveAzeotrope, 95.6L, 0, 0, 20, 0}},
      // With no reflux the whole vapour is taken off and the top is the
      // still's vapour, however many trays stand above it.
      {LeastTrayCount(Inputs(1000, 0.01L, 20, 0), 50).value().reason, {Why::kNoTrayCount, 50, 0, 0, 20, 0}},
      {LeastTrayCount(Inputs(1000, 0.4L, 20, 30), 96).value().reason, {Why::kAboveAzeotrope, 96, 0, 0, 20, 0}}};
  for (const auto& [reason, expected] : cases) EXPECT_EQ(fields(reason), expected) << std::get<1>(expected);
  EXPECT_FALSE(Reaches(Inputs(1000, 0.01L, 20, -1), 1)) << "a calculation that fails";
}

TEST(InverseSearch, StopsOnRequest) {
  const model::ColumnInputs inputs = Inputs(1000, 0.01L, 20, 15);
  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(LeastRefluxRatio(inputs, {0, 20, 2}, 80, stop.get_token()));
  EXPECT_FALSE(LeastTrayCount(inputs, 70, stop.get_token()));
}

}  // namespace
}  // namespace analysis
