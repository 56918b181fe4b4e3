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

TEST(HorizLineSeries, ValuesRunAlongXAndPositionsCountUp) {
  THorizLineSeries series;
  EXPECT_EQ(series.Add(37.5), 0);
  EXPECT_EQ(series.Add(12.0), 1);
  ASSERT_EQ(series.Count(), 2);
  EXPECT_EQ(series.XValues[0], 37.5);
  EXPECT_EQ(series.YValues[0], 0);
  EXPECT_EQ(series.XValues[1], 12.0);
  EXPECT_EQ(series.YValues[1], 1);
  EXPECT_EQ(series.MandatoryList, &series.XValues);
  EXPECT_EQ(series.PositionList, &series.YValues);
  EXPECT_FALSE(series.ClipToAxisRange);

  series.Clear();
  EXPECT_EQ(series.Count(), 0);
  series.Add(5);
  EXPECT_EQ(series.YValues[0], 0);
}

TEST(ChartSeries, BaseSeriesSortsByXAndCarriesYAlong) {
  TChartSeries series;
  series.AddXY(3, 30);
  series.AddXY(1, 10);
  EXPECT_EQ(series.AddXY(2, 20), 1);
  EXPECT_EQ(series.XValues[1], 2);
  EXPECT_EQ(series.YValues[0], 10);
  EXPECT_EQ(series.YValues[1], 20);
  EXPECT_EQ(series.YValues[2], 30);
  // Add puts the value on Y and the count on X.
  EXPECT_EQ(series.Add(99), 3);
  EXPECT_EQ(series.XValues[3], 3);
  EXPECT_EQ(series.MaxY(), 99);
  EXPECT_EQ(series.MinX(), 1);
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

TEST(ChartSeries, DefaultColourCreatesNoColourList) {
  THorizLineSeries series;
  series.SeriesColor = clRed;
  series.Add(1);
  series.Add(2, "", clTeeColor);
  EXPECT_FALSE(series.PointColors.has_value());
  EXPECT_EQ(series.PointColor(0), clRed);
  EXPECT_EQ(series.PointColor(1), clRed);
}

TEST(ChartSeries, OwnColourFillsEarlierPointsWithTheMarker) {
  THorizLineSeries series;
  series.SeriesColor = clRed;
  series.Add(1);
  series.Add(2, "", clBlue);
  series.Add(3);
  ASSERT_TRUE(series.PointColors.has_value());
  EXPECT_EQ(*series.PointColors, (std::vector<TColor>{clTeeColor, clBlue, clTeeColor}));
  EXPECT_EQ(series.PointColor(0), clRed);
  EXPECT_EQ(series.PointColor(1), clBlue);
  series.ColorEachPoint = true;
  EXPECT_EQ(series.PointColor(2), PaletteColor(2));
  series.Clear();
  EXPECT_FALSE(series.PointColors.has_value());
}

TEST(ChartSeries, LabelsAreSparse) {
  TChartSeries series;
  series.Add(1);
  series.Add(2, "two");
  series.Add(3);
  EXPECT_EQ(series.PointLabel(0), "");
  EXPECT_EQ(series.PointLabel(1), "two");
  EXPECT_EQ(series.PointLabel(2), "");
  EXPECT_EQ(series.PointLabel(7), "");
  ASSERT_EQ(series.PointLabels.size(), 3u);
  EXPECT_FALSE(series.PointLabels[0].has_value());
  series.Clear();
  EXPECT_TRUE(series.PointLabels.empty());
}

TEST(ChartSeries, EventsSeeEveryAddAndClear) {
  TChartSeries series;
  std::vector<int> added;
  int clears = 0;
  series.OnAfterAdd = [&](TChartSeries&, int index) { added.push_back(index); };
  series.OnClearValues = [&](TChartSeries&) { ++clears; };
  series.Add(1);
  series.BeginUpdate();
  series.Add(2);
  series.EndUpdate();
  series.Add(3);
  series.Clear();
  EXPECT_EQ(added, (std::vector<int>{0, 2}));
  EXPECT_EQ(clears, 1);
}

TEST(SeriesRepaint, AddAndClearAskTheChartOnlyWhileActive) {
  CountingChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  chart.Requests = 0;
  series->Clear();
  EXPECT_EQ(chart.Requests, 1) << "clearing an empty series still asks for a repaint";
  series->Add(1);
  series->Add(2);
  EXPECT_EQ(chart.Requests, 3);
  EXPECT_TRUE(chart.BufferStale);
  series->Active = false;
  series->Add(3);
  series->Clear();
  EXPECT_EQ(chart.Requests, 3);
}

TEST(SeriesRepaint, IgnoredWhileRepaintIsOff) {
  CountingChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  chart.Requests = 0;
  chart.BufferStale = false;
  chart.RepaintEnabled = false;
  series->Add(1);
  EXPECT_EQ(chart.Requests, 0);
  EXPECT_FALSE(chart.BufferStale);
}

TEST(SeriesAxes, ResolvedAxesAndUse) {
  TCustomChart chart;
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  EXPECT_TRUE(series->UsesAxis(chart.BottomAxis));
  EXPECT_TRUE(series->UsesAxis(chart.LeftAxis));
  EXPECT_FALSE(series->UsesAxis(chart.TopAxis));
  EXPECT_FALSE(series->UsesAxis(chart.RightAxis));
  series->HorizAxis = aBothHorizAxis;
  series->VertAxis = aRightAxis;
  EXPECT_TRUE(series->UsesAxis(chart.TopAxis));
  EXPECT_TRUE(series->UsesAxis(chart.RightAxis));
  EXPECT_FALSE(series->UsesAxis(chart.LeftAxis));
}

TEST(SeriesAxes, ChartTakesPaletteColourForDefaultSeries) {
  TCustomChart chart;
  auto* first = chart.AddSeries(std::make_unique<TChartSeries>());
  auto second = std::make_unique<TChartSeries>();
  second->SeriesColor = clBlue;
  auto* kept = chart.AddSeries(std::move(second));
  EXPECT_EQ(first->SeriesColor, PaletteColor(0));
  EXPECT_EQ(kept->SeriesColor, clBlue);
  EXPECT_EQ(first->ParentChart(), &chart);
}

TEST(AxisDataMinMax, NoSeriesOnTheAxisGivesZero) {
  TCustomChart chart;
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 0);
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  EXPECT_EQ(chart.AxisMinY(chart.LeftAxis), 0);
  series->Add(40);
  series->Add(60);
  EXPECT_EQ(chart.AxisMinX(chart.TopAxis), 0);
  EXPECT_EQ(chart.AxisMaxX(chart.TopAxis), 0);
}

TEST(AxisDataMinMax, SpansEveryActiveSeriesOnTheAxis) {
  TCustomChart chart;
  auto* a = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* b = chart.AddSeries(std::make_unique<THorizLineSeries>());
  auto* inactive = chart.AddSeries(std::make_unique<THorizLineSeries>());
  for (double v : {40.0, 60.0}) a->Add(v);
  for (double v : {20.0, 50.0, 55.0}) b->Add(v);
  for (double v : {-100.0, 500.0}) inactive->Add(v);
  inactive->Active = false;
  EXPECT_EQ(chart.AxisMinX(chart.BottomAxis), 20);
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 60);
  EXPECT_EQ(chart.AxisMinY(chart.LeftAxis), 0);
  EXPECT_EQ(chart.AxisMaxY(chart.LeftAxis), 2);

  // With no active series on the axis, inactive ones count.
  a->Active = false;
  b->Active = false;
  EXPECT_EQ(chart.AxisMinX(chart.BottomAxis), -100);
  EXPECT_EQ(chart.AxisMaxX(chart.BottomAxis), 500);
}

}  // namespace
}  // namespace chart
