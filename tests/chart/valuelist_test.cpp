#include "chart/valuelist.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace chart {
namespace {

struct InsertionCase {
  std::string name;
  TChartListOrder order;
  std::vector<double> added;
  std::vector<int> indices;
  std::vector<double> held;
};

void PrintTo(const InsertionCase& c, std::ostream* os) { *os << c.name; }

class SortedInsertion : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(SortedInsertion, KeepsOrderAndPutsEqualValuesLast) {
  const InsertionCase& c = GetParam();
  TChartValueList list(nullptr, "X");
  list.Order = c.order;
  std::vector<int> indices;
  for (double v : c.added) indices.push_back(list.AddValue(v));
  std::vector<double> held;
  for (int i = 0; i < list.Count(); ++i) held.push_back(list[i]);
  EXPECT_EQ(indices, c.indices);
  EXPECT_EQ(held, c.held);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SortedInsertion,
    ::testing::Values(
        InsertionCase{"Ascending", loAscending, {1, 3, 2, 2}, {0, 1, 1, 2}, {1, 2, 2, 3}},
        InsertionCase{"AscendingBelowAll", loAscending, {5, 4, -1}, {0, 0, 0}, {-1, 4, 5}},
        InsertionCase{"Descending", loDescending, {3, 1, 2}, {0, 1, 1}, {3, 2, 1}},
        InsertionCase{"DescendingEqual", loDescending, {3, 3, 4}, {0, 1, 0}, {4, 3, 3}},
        InsertionCase{"NoneAppends", loNone, {37.5, 12.0, 50}, {0, 1, 2}, {37.5, 12.0, 50}}),
    [](const auto& info) { return info.param.name; });

TEST(ValueListExtremes, RecomputedOnTheFirstReadAfterAChange) {
  TChartValueList list(nullptr, "Y");
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.MaxValue(), 0);
  EXPECT_EQ(list.Sum(), 0);
  list.AddValue(-4);
  EXPECT_EQ(list.MinValue(), -4);
  EXPECT_EQ(list.MaxValue(), -4);
  EXPECT_EQ(list.Sum(), -4);
  EXPECT_EQ(list.SumAbs(), 4);
  list.AddValue(7);
  list.InsertValue(0, 9);
  EXPECT_EQ(list.MaxValue(), 9);
  EXPECT_EQ(list.SumAbs(), 20);
  list.Delete(0);
  EXPECT_EQ(list.MaxValue(), 7);
}

TEST(ValueListStorage, GrowsInStepsOfAThousandAndIsReleasedWhenEmptied) {
  TChartValueList list(nullptr, "X");
  list.AddValue(0);
  EXPECT_EQ(list.Capacity(), 1000);
  for (int i = 1; i <= 1000; ++i) list.AddValue(i);
  EXPECT_EQ(list.Capacity(), 2000);
  EXPECT_EQ(list.Last(), 1000);
  list.RemoveAll();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

}  // namespace
}  // namespace chart
