#include "analysis/study.h"

#include <gtest/gtest.h>

#include <tuple>

namespace analysis {
namespace {

TEST(WithTrayCount, AddsAValidNewCountInOrder) {
  const std::vector<int> list{1, 5, 10};
  EXPECT_EQ(WithTrayCount(list, 7), (std::vector<int>{1, 5, 7, 10}));
  for (const int same : {5, 0, 101}) EXPECT_EQ(WithTrayCount(list, same), list) << same;
}

TEST(CheckStudy, AcceptsRangesAtTheLimits) {
  for (const RefluxRange range : {RefluxRange{}, RefluxRange{2.5L, 2.5L, 2},
                                  RefluxRange{0, 1e308L, kMaxRefluxPoints}}) {
    EXPECT_NO_THROW(CheckStudy(Study{1000, model::Strength::FromFraction(0.01L), {1, 100}, range})) << range.to;
  }
}

TEST(RefluxRatioAt, SpacesTheRangeEvenlyWithBothEndsExact) {
  const RefluxRange standard{0, 20, 101};
  EXPECT_EQ(RefluxRatioAt(standard, 0), 0.0L);
  EXPECT_EQ(RefluxRatioAt(standard, 37), 7.4L);
  // Here from + (to - from)·3 / 3 misses 1.9 in the last bit.
  EXPECT_EQ(RefluxRatioAt({0.1L, 1.9L, 4}, 3), 1.9L);
}

// A failed calculation, or an efficiency that divides by zero, becomes the
// point's message with its numbers left 0.
TEST(CalculatePoint, KeepsTheMessageOfAFailedCalculationOrEfficiency) {
  const std::tuple<std::int32_t, long double, long double, const char*> cases[] = {
      {1000, 0.01L, -1, "Floating point division by zero"},
      {0, 0.01L, 15, "Invalid floating point operation"},     // efficiency 0 / 0
      {1000, -0.01L, 15, "Floating point division by zero"},  // efficiency x / 0
  };
  for (const auto& [power, strength, reflux, message] : cases) {
    const StudyPoint point =
        CalculatePoint(power, model::Strength::FromFraction(strength), 5, reflux);
    EXPECT_EQ(point.error, message) << power << " W, reflux ratio " << reflux;
    EXPECT_EQ(std::pair(point.refluxratio, point.toppercent), std::pair(reflux, 0.0L)) << power;
  }
}

TEST(StudyLine, CountsFailuresByMessageInOrderOfFirstOccurrence) {
  StudyLine line{5, {{0, 1, 1, 1, ""}, {1, 0, 0, 0, "B"}, {2, 0, 0, 0, "A"}, {3, 0, 0, 0, "B"}}};
  const std::vector<FailureCount> failures = line.Failures();
  ASSERT_EQ(failures.size(), 2U);
  EXPECT_EQ(FailureNote(failures[0]), "2 точки не рассчитаны: B");
  EXPECT_EQ(FailureNote(failures[1]), "1 точка не рассчитана: A");
  EXPECT_EQ(FailureNote({"C", 11}), "11 точек не рассчитаны: C");
}

TEST(PluralForm, AgreesTheNounWithTheCount) {
  const std::pair<int, const char*> cases[] = {
      {1, "one"},    {2, "few"},    {4, "few"},   {5, "many"},  {11, "many"},  {12, "many"},
      {14, "many"},  {21, "one"},   {22, "few"},  {25, "many"}, {100, "many"}, {101, "one"},
      {111, "many"}, {112, "many"}, {114, "many"}, {122, "few"}, {0, "many"}};
  for (const auto& [count, form] : cases) {
    EXPECT_STREQ(PluralForm(count, "one", "few", "many"), form) << count;
  }
}

}  // namespace
}  // namespace analysis
