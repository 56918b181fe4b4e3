#include "chart/series.h"

#include <gtest/gtest.h>

#include <memory>
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

// The X list places a point in ascending order, equal values last; Y and
// the labels follow.
TEST(ChartSeries, AddXYPlacesByXAndTheOtherListsFollow) {
  TChartSeries series;
  std::vector<int> indices;
  for (const double x : {3.0, 1.0, 2.0, 2.0, -1.0}) indices.push_back(series.AddXY(x, 10 * x));
  series.AddXY(0, 0, "zero");
  EXPECT_EQ(indices, (std::vector<int>{0, 0, 1, 2, 0}));
  EXPECT_EQ(ValuesOf(series.XValues), (std::vector<double>{-1, 0, 1, 2, 2, 3}));
  EXPECT_EQ(ValuesOf(series.YValues), (std::vector<double>{-10, 0, 10, 20, 20, 30}));
  EXPECT_EQ(series.PointLabel(1), "zero");
  EXPECT_EQ(series.PointLabel(2), "");
}

TEST(AxisDataMinMax, SpansTheActiveSeriesOnTheAxis) {
  TCustomChart chart;
  auto* a = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* b = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* inactive = chart.AddSeries(std::make_unique<THorizLineSeries>());
  for (double v : {40.0, 60.0}) a->Add(v);
  for (double v : {20.0, 50.0, 55.0}) b->Add(v);
  for (double v : {-100.0, 500.0}) inactive->Add(v);
  inactive->Active = false;
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, true, true), 20);
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 60);
  b->Add(70);
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 70) << "the extremes follow a change";
  EXPECT_EQ(chart.AxisDataMinMax(chart.LeftAxis, false, false), 3);
  // With no active series on the axis, inactive ones count.
  a->Active = false;
  b->Active = false;
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, true, true), -100);
  EXPECT_EQ(chart.AxisDataMinMax(chart.BottomAxis, false, true), 500);
}

}  // namespace
}  // namespace chart
