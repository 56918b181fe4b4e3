#include "analysis/study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "analysis/inverse.h"

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

// Every refusal of a study's or a search's inputs, with the text or count at
// fault: the window's tray text, the study the window and the run check,
// and what a search cannot search.
TEST(StudyInputs, AreRefusedWithTheirReasons) {
  const auto list = [](const char* text) { return [=] { ParseTrayList(text); }; };
  const auto study = [](std::vector<int> trays, RefluxRange range) { return [=] { CheckStudy({1000, model::Strength::FromFraction(0.01L), trays, range}); }; };
  const auto search = [](int trays, RefluxRange range) {
    return [=] { LeastRefluxRatio(PointInputs(1000, model::Strength::FromFraction(0.01L), trays, 15), range, 50); };
  };
  using enum StudyRefusal;
  const std::tuple<std::function<void()>, StudyRefusal, const char*> cases[] = {
      {list(" ,"), kEmptyTrayList, ""},
      {list("1 x"), kTrayCountNotWhole, "x"},
      {list("2.5"), kTrayCountNotWhole, "2.5"},
      {list("5 101"), kTrayCountOutOfRange, "101"},
      {list("-3"), kTrayCountOutOfRange, "-3"},
      {list("99999999999"), kTrayCountOutOfRange, "99999999999"},
      {study({}, {}), kEmptyTrayList, ""},
      {study({5, 200}, {}), kTrayCountOutOfRange, "200"},
      {study({1}, {5, 4, 11}), kRefluxEndsReversed, ""},
      {study({1}, {0, 20, 1}), kPointCountOutOfRange, ""},
      {study({1}, {0, 20, 10001}), kPointCountOutOfRange, ""},
      {study({1}, {0, HUGE_VALL, 5}), kRefluxEndsNotFinite, ""},
      {study({1}, {NAN, 1, 5}), kRefluxEndsNotFinite, ""},
      {study({1}, {-1, 3, 5}), kRefluxBelowZero, ""},
      {search(20, {5, 4, 2}), kRefluxEndsReversed, ""},
      {search(101, {0, 20, 2}), kSearchTrayCountTooLarge, "101"},
      {search(20, {0, 5000, 2}), kSearchRefluxTooLarge, ""},
  };
  for (const auto& [read, refusal, offending] : cases) {
    try {
      read();
      ADD_FAILURE() << "accepted, expected refusal " << static_cast<int>(refusal);
    } catch (const EStudyInputError& e) {
      EXPECT_EQ(std::pair(e.refusal, e.offending), std::pair(refusal, std::string(offending)));
    }
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
  EXPECT_EQ(std::pair(failures[0].message, failures[0].count), std::pair(std::string("B"), 2));
  EXPECT_EQ(std::pair(failures[1].message, failures[1].count), std::pair(std::string("A"), 1));
}

}  // namespace
}  // namespace analysis
