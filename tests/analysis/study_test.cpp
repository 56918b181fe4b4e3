#include "analysis/study.h"

#include <gtest/gtest.h>

#include <limits>

namespace analysis {
namespace {

TEST(ParseTrayList, ReadsSpacesAndCommasSortedWithoutDuplicates) {
  const struct {
    const char* text;
    std::vector<int> expected;
  } cases[] = {
      {"1 2 5 10 20 40", {1, 2, 5, 10, 20, 40}},
      {"1,2,5", {1, 2, 5}},
      {" 40, 5 ,,1\t5 ", {1, 5, 40}},
      {"100", {100}},
      {"007", {7}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTrayList(c.text), c.expected) << c.text;
}

TEST(ParseTrayList, RefusesBadListsWithTheirMessage) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "Список тарелок пуст: укажите числа от 1 до 100"},
      {"1 2,5x", "'5x' — не целое число тарелок"},
      {"2.5", "'2.5' — не целое число тарелок"},
      {"5 101", "Число тарелок 101 вне пределов от 1 до 100"},
      {"-3", "Число тарелок -3 вне пределов от 1 до 100"},
      {"99999999999", "Число тарелок 99999999999 вне пределов от 1 до 100"},
  };
  for (const auto& c : cases) {
    try {
      ParseTrayList(c.text);
      ADD_FAILURE() << "accepted '" << c.text << "'";
    } catch (const EStudyInputError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(WithTrayCount, AddsAValidNewCountInOrder) {
  const std::vector<int> list{1, 5, 10};
  EXPECT_EQ(WithTrayCount(list, 7), (std::vector<int>{1, 5, 7, 10}));
  EXPECT_EQ(WithTrayCount(list, 5), list);
  EXPECT_EQ(WithTrayCount(list, 0), list);
  EXPECT_EQ(WithTrayCount(list, 101), list);
}

TEST(CheckStudy, RefusesRangesAndListsAPoolCannotRun) {
  const struct {
    const char* name;
    Study study;
    const char* message;
  } cases[] = {
      {"from above to", {1000, 0.01L, {1}, {5, 4, 11}}, "Начальное флегмовое число больше конечного"},
      {"one point", {1000, 0.01L, {1}, {0, 20, 1}}, "Число точек должно быть от 2 до 10000"},
      {"too many points", {1000, 0.01L, {1}, {0, 20, 10001}}, "Число точек должно быть от 2 до 10000"},
      {"infinite end", {1000, 0.01L, {1}, {0, std::numeric_limits<long double>::infinity(), 5}},
       "Границы флегмового числа должны быть конечными числами"},
      {"not a number", {1000, 0.01L, {1}, {std::numeric_limits<long double>::quiet_NaN(), 1, 5}},
       "Границы флегмового числа должны быть конечными числами"},
      {"no trays", {1000, 0.01L, {}, {}}, "Список тарелок пуст: укажите числа от 1 до 100"},
      {"tray count too big", {1000, 0.01L, {5, 200}, {}}, "Число тарелок 200 вне пределов от 1 до 100"},
  };
  for (const auto& c : cases) {
    try {
      CheckStudy(c.study);
      ADD_FAILURE() << c.name;
    } catch (const EStudyInputError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
  }
  EXPECT_NO_THROW(CheckStudy(Study{}));
  EXPECT_NO_THROW(CheckStudy(Study{1000, 0.01L, {3}, {2.5L, 2.5L, 2}}));
}

TEST(RefluxRatioAt, SpacesTheRangeEvenlyWithBothEndsExact) {
  const RefluxRange standard{0, 20, 101};
  EXPECT_EQ(RefluxRatioAt(standard, 0), 0.0L);
  EXPECT_EQ(RefluxRatioAt(standard, 1), 0.2L);
  EXPECT_EQ(RefluxRatioAt(standard, 37), 7.4L);
  EXPECT_EQ(RefluxRatioAt(standard, 100), 20.0L);
  const RefluxRange odd{0.1L, 0.7L, 7};
  EXPECT_EQ(RefluxRatioAt(odd, 0), 0.1L);
  EXPECT_EQ(RefluxRatioAt(odd, 6), 0.7L);
}

TEST(CalculatePoint, MatchesTheReportsRoundedFigures) {
  model::TColumn column;
  const StudyPoint point = CalculatePoint(column, 1000, 0.01L, 20, 15);
  EXPECT_EQ(point.refluxratio, 15.0L);
  EXPECT_NEAR(static_cast<double>(point.toppercent), 75.9624, 5e-5);
  EXPECT_NEAR(static_cast<double>(point.product), 203.88, 5e-3);
  EXPECT_NEAR(static_cast<double>(point.efficiencypercent), 90.60, 5e-3);
}

TEST(CalculatePoint, KeepsTheMessageOfAFailedCalculationOrEfficiency) {
  const struct {
    const char* name;
    std::int32_t power;
    long double strength;
    long double reflux;
    const char* message;
  } cases[] = {
      {"reflux ratio -1", 1000, 0.01L, -1, "Floating point division by zero"},
      {"no power: efficiency 0 / 0", 0, 0.01L, 15, "Invalid floating point operation"},
      {"negative still: efficiency x / 0", 1000, -0.01L, 15, "Floating point division by zero"},
  };
  for (const auto& c : cases) {
    model::TColumn column;
    const StudyPoint point = CalculatePoint(column, c.power, c.strength, 5, c.reflux);
    EXPECT_EQ(point.error, c.message) << c.name;
    EXPECT_EQ(point.toppercent, 0.0L) << c.name;
    EXPECT_EQ(point.refluxratio, c.reflux) << c.name;
  }
}

TEST(StudyLine, CountsFailuresByMessageInOrderOfFirstOccurrence) {
  StudyLine line;
  line.points = {{0, 1, 1, 1, ""}, {1, 0, 0, 0, "B"}, {2, 0, 0, 0, "A"}, {3, 0, 0, 0, "B"}};
  const std::vector<FailureCount> failures = line.Failures();
  ASSERT_EQ(failures.size(), 2U);
  EXPECT_EQ(failures[0].message, "B");
  EXPECT_EQ(failures[0].count, 2);
  EXPECT_EQ(failures[1].message, "A");
  EXPECT_EQ(failures[1].count, 1);
}

TEST(FailureNote, AgreesTheWordsWithTheCount) {
  const struct {
    int count;
    const char* note;
  } cases[] = {
      {1, "1 точка не рассчитана: E"},   {3, "3 точки не рассчитаны: E"},
      {5, "5 точек не рассчитаны: E"},   {12, "12 точек не рассчитаны: E"},
      {21, "21 точка не рассчитана: E"}, {111, "111 точек не рассчитаны: E"},
  };
  for (const auto& c : cases) EXPECT_EQ(FailureNote({"E", c.count}), c.note);
}

}  // namespace
}  // namespace analysis
