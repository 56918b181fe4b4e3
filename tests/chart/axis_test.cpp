#include "chart/axis.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "chart/chart.h"
#include "chart/exceptions.h"
#include "chart/lineseries.h"

namespace chart {
namespace {

// A chart whose plot rectangle is (40, 30) to (340, 430) and whose axes
// have their ranges and pixel ranges computed.
struct AxisFixture : ::testing::Test {
  AxisFixture() { series = chart.AddSeries(std::make_unique<THorizLineSeries>()); }
  void Layout() {
    chart.ChartBounds = {0, 0, 400, 500};
    chart.ChartRect = {40, 30, 340, 430};
    chart.RecalcWidthHeight();
    for (TChartAxis* axis : chart.Axes()) {
      axis->AdjustRange();
      axis->ComputePixelRange();
    }
  }
  void AddPoints(int count) {
    for (int i = 0; i < count; ++i) series->Add(50);
  }

  TCustomChart chart;
  THorizLineSeries* series;
  TChartAxis& left = chart.LeftAxis;
  TChartAxis& bottom = chart.BottomAxis;
};

TEST_F(AxisFixture, EmptySeriesGivesZeroRangeMappedToTheCentre) {
  Layout();
  EXPECT_EQ(left.RangeMin, 0);
  EXPECT_EQ(left.RangeMax, 0);
  EXPECT_TRUE(left.RangeIsZero);
  EXPECT_EQ(left.PixelsPerUnit, 0);
  EXPECT_EQ(left.PixelCenter, 230);
  EXPECT_EQ(left.ValueToPixel(0), 230);
  EXPECT_EQ(left.ValueToPixel(1e6), 230);
  AddPoints(1);
  Layout();
  EXPECT_TRUE(left.RangeIsZero);
}

TEST_F(AxisFixture, LeftAxisRunsBottomUp) {
  AddPoints(16);
  Layout();
  EXPECT_EQ(left.RangeMax, 15);
  EXPECT_EQ(left.PixelStart, 30);
  EXPECT_EQ(left.PixelEnd, 430);
  EXPECT_EQ(left.ValueToPixel(0), 430);
  EXPECT_EQ(left.ValueToPixel(15), 30);
  EXPECT_EQ(left.ValueToPixel(7.5), 230);
  EXPECT_EQ(left.ValueToPixel(-15), 830) << "outside the range still maps linearly";
  left.Inverted = true;
  EXPECT_EQ(left.ValueToPixel(0), 30);
  EXPECT_EQ(left.ValueToPixel(15), 430);
}

TEST_F(AxisFixture, FixedBottomAxisKeepsItsRange) {
  bottom.Automatic = bottom.AutomaticMinimum = bottom.AutomaticMaximum = false;
  bottom.SetMaximum(100);
  AddPoints(3);
  Layout();
  EXPECT_EQ(bottom.RangeMin, 0);
  EXPECT_EQ(bottom.RangeMax, 100);
  EXPECT_EQ(bottom.ValueToPixel(0), 40);
  EXPECT_EQ(bottom.ValueToPixel(100), 340);
  EXPECT_EQ(bottom.ValueToPixel(50), 190);
  // 0.5 pixels past a whole one rounds to the even neighbour.
  EXPECT_EQ(bottom.ValueToPixel(0.5), 42);
  EXPECT_EQ(bottom.ValueToPixel(1.5), 44);
  bottom.Inverted = true;
  EXPECT_EQ(bottom.ValueToPixel(0), 340);
}

TEST_F(AxisFixture, FarValuesClampToPixelLimit) {
  AddPoints(2);
  Layout();
  EXPECT_EQ(left.ValueToPixel(1e300), -PixelLimit);
  EXPECT_EQ(left.ValueToPixel(-1e300), PixelLimit);
  EXPECT_EQ(left.ValueToPixel(std::numeric_limits<double>::infinity()), -PixelLimit);
  EXPECT_EQ(left.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), PixelLimit);
}

TEST_F(AxisFixture, PixelToValueInvertsTheMapping) {
  AddPoints(16);
  Layout();
  EXPECT_DOUBLE_EQ(left.PixelToValue(430), 0);
  EXPECT_DOUBLE_EQ(left.PixelToValue(30), 15);
  bottom.SetRange(0, 100);
  Layout();
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(190), 50);
  bottom.Inverted = true;
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(190 + 30), 40);
}

TEST_F(AxisFixture, AxisShorterThanAPixelMapsBackToZero) {
  AddPoints(16);
  Layout();
  left.PixelEnd = left.PixelStart;
  left.PixelLength = 0;
  EXPECT_EQ(left.PixelToValue(100), 0);
}

TEST_F(AxisFixture, StartAndEndPositionsSpanPartOfTheSide) {
  bottom.StartPosition = 10;
  bottom.EndPosition = 50;
  Layout();
  EXPECT_EQ(bottom.PixelStart, 70);
  EXPECT_EQ(bottom.PixelEnd, 190);
  EXPECT_EQ(bottom.PixelLength, 120);
  EXPECT_EQ(bottom.PixelCenter, 130);
}

TEST_F(AxisFixture, MarginsWidenTheRange) {
  AddPoints(11);
  Layout();
  left.ApplyMargins(0, 40, 0, 40);
  EXPECT_EQ(left.PixelStart, 30);
  EXPECT_EQ(left.PixelEnd, 430);
  EXPECT_DOUBLE_EQ(left.RangeMin, -1.25);
  EXPECT_DOUBLE_EQ(left.RangeMax, 11.25);
  EXPECT_EQ(left.ValueToPixel(0), 390);
  EXPECT_EQ(left.ValueToPixel(10), 70);
}

TEST_F(AxisFixture, ZeroMarginsLeaveTheRangeExact) {
  series->Add(0.1);
  series->Add(0.3);
  bottom.Automatic = true;
  Layout();
  bottom.ApplyMargins(0, 0, 0, 0);
  EXPECT_EQ(bottom.RangeMin, 0.1);
  EXPECT_EQ(bottom.RangeMax, 0.3);
}

TEST_F(AxisFixture, SettersRefuseCrossedEnds) {
  bottom.SetMaximum(100);
  try {
    bottom.SetMinimum(101);
    FAIL();
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
  }
  EXPECT_EQ(bottom.Minimum(), 0);
  try {
    bottom.SetMaximum(-1);
    FAIL();
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
  }
  EXPECT_EQ(bottom.Maximum(), 100);
  EXPECT_THROW(bottom.SetIncrement(-1), AxisException);
  bottom.SetIncrement(5);
  EXPECT_EQ(bottom.Increment(), 5);
}

TEST_F(AxisFixture, SetRangeFixesOrdersAndWidens) {
  left.SetRange(20, 10);
  EXPECT_FALSE(left.Automatic || left.AutomaticMinimum || left.AutomaticMaximum);
  EXPECT_EQ(left.Minimum(), 10);
  EXPECT_EQ(left.Maximum(), 20);
  left.SetRange(5, 5);
  EXPECT_EQ(left.Minimum(), 5);
  EXPECT_EQ(left.Maximum(), 5 + 1e-10);
  AddPoints(16);
  Layout();
  EXPECT_EQ(left.RangeMin, 5) << "a fixed range ignores the data";
}

TEST_F(AxisFixture, ScrollByMovesBothEnds) {
  AddPoints(16);
  Layout();
  left.ScrollBy(false, 0.45);
  EXPECT_FALSE(left.Automatic);
  EXPECT_DOUBLE_EQ(left.Minimum(), 0.45);
  EXPECT_DOUBLE_EQ(left.Maximum(), 15.45);
}

TEST_F(AxisFixture, ScrollByWithLimitsStopsAtTheData) {
  AddPoints(16);
  left.SetRange(0, 15);
  left.ScrollBy(true, 1);
  EXPECT_EQ(left.Maximum(), 15) << "nothing beyond the data maximum";
  left.ScrollBy(true, 0);
  left.SetRange(0, 10);
  left.ScrollBy(true, 2);
  EXPECT_EQ(left.Maximum(), 12);
  left.ScrollBy(true, -3);
  EXPECT_EQ(left.Minimum(), -1) << "the data minimum 0 lies below 2";
  left.SetRange(0, 10);
  left.ScrollBy(true, -3);
  EXPECT_EQ(left.Minimum(), 0);
}

}  // namespace
}  // namespace chart
