#include "chart/series.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/lineseries.h"

namespace chart {
namespace {

std::vector<double> ValuesOf(const TChartValueList& list) {
  std::vector<double> values;
  for (int i = 0; i < list.Count(); ++i) values.push_back(list[i]);
  return values;
}

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
  TChartValueList list;
  list.Order = c.order;
  std::vector<int> indices;
  for (double v : c.added) indices.push_back(list.AddValue(v));
  EXPECT_EQ(indices, c.indices);
  EXPECT_EQ(ValuesOf(list), c.held);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SortedInsertion,
    ::testing::Values(
        InsertionCase{
            "Ascending", loAscending, {1, 3, 2, 2, -1}, {0, 1, 1, 2, 0}, {-1, 1, 2, 2, 3}},
        InsertionCase{"Descending", loDescending, {3, 1, 2, 3}, {0, 1, 1, 1}, {3, 3, 2, 1}},
        InsertionCase{"NoneAppends", loNone, {37.5, 12.0, 50}, {0, 1, 2}, {37.5, 12.0, 50}}),
    [](const auto& info) { return info.param.name; });

// The X list decides a point's place; Y and the labels follow.
TEST(ChartSeries, AddXYPlacesByXAndTheOtherListsFollow) {
  TChartSeries series;
  series.AddXY(3, 30);
  series.AddXY(1, 10, "one");
  EXPECT_EQ(series.AddXY(2, 20), 1);
  EXPECT_EQ(ValuesOf(series.YValues), (std::vector<double>{10, 20, 30}));
  EXPECT_EQ(series.PointLabel(0), "one");
  EXPECT_EQ(series.PointLabel(2), "");
}

// Values keep the order added; positions count up from 0 after each Clear.
TEST(HorizLineSeries, ValuesInOrderAddedOnAscendingPositions) {
  THorizLineSeries series;
  series.Add(99, "old");
  series.Clear();
  EXPECT_EQ(series.Add(37.5), 0);
  EXPECT_EQ(series.Add(12.0), 1);
  EXPECT_EQ(ValuesOf(series.XValues), (std::vector<double>{37.5, 12.0}));
  EXPECT_EQ(ValuesOf(series.YValues), (std::vector<double>{0, 1}));
  EXPECT_EQ(series.PointLabel(0), "");
}

TEST(ValueListExtremes, FollowEveryChange) {
  TChartValueList list;
  auto extremes = [&] {
    return std::vector<double>{list.MinValue(), list.MaxValue(), list.Sum(), list.SumAbs()};
  };
  EXPECT_EQ(extremes(), (std::vector<double>{0, 0, 0, 0}));
  list.AddValue(-4);
  list.AddValue(7);
  EXPECT_EQ(extremes(), (std::vector<double>{-4, 7, 3, 11}));
  list.InsertValue(0, 9);
  EXPECT_EQ(extremes(), (std::vector<double>{-4, 9, 12, 20}));
  list.Delete(1);
  EXPECT_EQ(extremes(), (std::vector<double>{7, 9, 16, 16}));
  list.RemoveAll();
  EXPECT_EQ(extremes(), (std::vector<double>{0, 0, 0, 0}));
}

TEST(AxisDataMinMax, SpansTheActiveSeriesOnTheAxis) {
  TCustomChart chart;
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 0) << "no series at all";
  auto* a = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* b = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* inactive = chart.AddSeries(std::make_unique<THorizLineSeries>());
  for (double v : {40.0, 60.0}) a->Add(v);
  for (double v : {20.0, 50.0, 55.0}) b->Add(v);
  for (double v : {-100.0, 500.0}) inactive->Add(v);
  inactive->Active = false;
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, true, true), 20);
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 60);
  EXPECT_EQ(chart.AxisDataMinMax(chart.LeftAxis, false, false), 2);
  EXPECT_EQ(chart.AxisDataMinMax(chart.TopAxis, false, true), 0) << "no series on the top axis";
  // With no active series on the axis, inactive ones count.
  a->Active = false;
  b->Active = false;
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, true, true), -100);
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 500);
}

}  // namespace
}  // namespace chart
