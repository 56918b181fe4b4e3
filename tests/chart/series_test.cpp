#include "chart/series.h"

#include <gtest/gtest.h>

#include <memory>

#include "chart/chart.h"
#include "chart/lineseries.h"

namespace chart {
namespace {

// A chart that counts the paint requests reaching its window.
class CountingChart : public TCustomChart {
 public:
  int Requests = 0;

 protected:
  void InvalidateWindow() override { ++Requests; }
};

TEST(HorizLineSeries, ValuesRunAlongXAndPositionsCountUpFromEachClear) {
  THorizLineSeries series;
  EXPECT_EQ(series.Add(37.5), 0);
  EXPECT_EQ(series.Add(12.0), 1);
  EXPECT_EQ(series.XValues[0], 37.5);
  EXPECT_EQ(series.YValues[0], 0);
  EXPECT_EQ(series.XValues[1], 12.0);
  EXPECT_EQ(series.YValues[1], 1);
  series.Clear();
  series.Add(5);
  EXPECT_EQ(series.Count(), 1);
  EXPECT_EQ(series.YValues[0], 0);
}

TEST(ChartSeries, XDecidesThePlaceAndTheOtherListsFollow) {
  TChartSeries series;
  series.AddXY(3, 30);
  series.AddXY(1, 10, "one");
  EXPECT_EQ(series.AddXY(2, 20), 1);
  EXPECT_EQ(series.YValues[0], 10);
  EXPECT_EQ(series.YValues[1], 20);
  EXPECT_EQ(series.YValues[2], 30);
  EXPECT_EQ(series.PointLabel(0), "one");
  EXPECT_EQ(series.PointLabel(1), "");
  EXPECT_EQ(series.PointLabel(2), "");
  // Add puts the value on Y and the count on X.
  EXPECT_EQ(series.Add(99), 3);
  EXPECT_EQ(series.XValues[3], 3);
}

TEST(ChartSeries, RefusedPointChangesNothing) {
  TChartSeries series;
  series.OnBeforeAdd = [](TChartSeries& s) { return s.XValues.PendingValue < 10; };
  EXPECT_EQ(series.AddXY(1, 1), 0);
  EXPECT_EQ(series.AddXY(11, 1, "label", clBlue), -1);
  EXPECT_EQ(series.Count(), 1);
  EXPECT_FALSE(series.PointColors.has_value());
  EXPECT_TRUE(series.PointLabels.empty());
}

TEST(ChartSeries, PointColoursExistOnlyOnceAPointHasItsOwn) {
  THorizLineSeries series;
  series.SeriesColor = clRed;
  series.Add(1);
  series.Add(2, "", clTeeColor);
  EXPECT_FALSE(series.PointColors.has_value());
  EXPECT_EQ(series.PointColor(1), clRed);
  series.Add(3, "", clBlue);
  ASSERT_TRUE(series.PointColors.has_value());
  EXPECT_EQ(*series.PointColors, (std::vector<TColor>{clTeeColor, clTeeColor, clBlue}));
  EXPECT_EQ(series.PointColor(0), clRed);
  EXPECT_EQ(series.PointColor(2), clBlue);
  series.Clear();
  EXPECT_FALSE(series.PointColors.has_value());
}

TEST(SeriesRepaint, AddAndClearAskTheChartWhileActiveAndRepaintIsOn) {
  CountingChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  chart.Requests = 0;
  series->Clear();
  EXPECT_EQ(chart.Requests, 1) << "clearing an empty series still asks for a repaint";
  series->Add(1);
  series->Add(2);
  EXPECT_EQ(chart.Requests, 3);
  series->Active = false;
  series->Add(3);
  series->Clear();
  EXPECT_EQ(chart.Requests, 3);
  series->Active = true;
  chart.RepaintEnabled = false;
  series->Add(4);
  EXPECT_EQ(chart.Requests, 3);
}

TEST(AxisDataMinMax, SpansTheActiveSeriesOnTheAxis) {
  TCustomChart chart;
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 0) << "no series at all";
  auto* a = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* b = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* inactive = chart.AddSeries(std::make_unique<THorizLineSeries>());
  for (double v : {40.0, 60.0}) a->Add(v);
  for (double v : {20.0, 50.0, 55.0}) b->Add(v);
  for (double v : {-100.0, 500.0}) inactive->Add(v);
  inactive->Active = false;
  EXPECT_EQ(chart.AxisMinX(chart.BottomAxis), 20);
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 60);
  EXPECT_EQ(chart.AxisMaxY(chart.LeftAxis), 2);
  EXPECT_EQ(chart.AxisMaxX(chart.TopAxis), 0) << "no series on the top axis";

  // With no active series on the axis, inactive ones count.
  a->Active = false;
  b->Active = false;
  EXPECT_EQ(chart.AxisMinX(chart.BottomAxis), -100);
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 500);
}

}  // namespace
}  // namespace chart
