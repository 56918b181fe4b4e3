#include "chart/axis.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "chart/chart.h"
#include "chart/exceptions.h"
#include "chart/lineseries.h"

namespace chart {
namespace {

// A chart whose plot rectangle is (40, 30) to (340, 430), with its axes'
// ranges and pixel ranges computed for the points added.
struct AxisFixture : ::testing::Test {
  AxisFixture() : series(chart.AddSeries(std::make_unique<THorizLineSeries>())) {}
  void Layout(int points) {
    for (int i = 0; i < points; ++i) series->Add(50);
    chart.ChartBounds = {0, 0, 400, 500};
    chart.ChartRect = {40, 30, 340, 430};
    chart.RecalcWidthHeight();
    for (TChartAxis* axis : chart.Axes()) {
      axis->AdjustRange();
      axis->ComputePixelRange();
    }
  }

  TCustomChart chart;
  THorizLineSeries* series;
  TChartAxis& left = chart.LeftAxis;
  TChartAxis& bottom = chart.BottomAxis;
};

TEST_F(AxisFixture, ZeroRangeMapsEverythingToTheCentre) {
  Layout(1);
  EXPECT_TRUE(left.RangeIsZero);
  EXPECT_EQ(left.PixelCenter, 230);
  EXPECT_EQ(left.ValueToPixel(0), 230);
  EXPECT_EQ(left.ValueToPixel(1e6), 230);
}

TEST_F(AxisFixture, LeftAxisRunsBottomUpAndMapsBack) {
  Layout(16);
  EXPECT_EQ(left.RangeMax, 15);
  EXPECT_EQ(left.ValueToPixel(0), 430);
  EXPECT_EQ(left.ValueToPixel(15), 30);
  EXPECT_EQ(left.ValueToPixel(-15), 830) << "outside the range still maps linearly";
  EXPECT_DOUBLE_EQ(left.PixelToValue(430), 0);
  EXPECT_DOUBLE_EQ(left.PixelToValue(30), 15);
  left.Inverted = true;
  EXPECT_EQ(left.ValueToPixel(0), 30);
  EXPECT_DOUBLE_EQ(left.PixelToValue(30), 0);
}

TEST_F(AxisFixture, FixedRangeMapsLeftToRightRoundingHalvesToEven) {
  bottom.SetRange(0, 100);
  Layout(3);
  EXPECT_EQ(bottom.RangeMax, 100);
  EXPECT_EQ(bottom.ValueToPixel(0), 40);
  EXPECT_EQ(bottom.ValueToPixel(100), 340);
  EXPECT_EQ(bottom.ValueToPixel(0.5), 42);
  EXPECT_EQ(bottom.ValueToPixel(1.5), 44);
}

TEST_F(AxisFixture, FarValuesClampToPixelLimit) {
  Layout(2);
  EXPECT_EQ(left.ValueToPixel(1e300), -PixelLimit);
  EXPECT_EQ(left.ValueToPixel(-1e300), PixelLimit);
  EXPECT_EQ(left.ValueToPixel(std::numeric_limits<double>::infinity()), -PixelLimit);
}

TEST_F(AxisFixture, AxisShorterThanAPixelMapsBackToZero) {
  Layout(16);
  left.PixelEnd = left.PixelStart;
  left.PixelLength = 0;
  EXPECT_EQ(left.PixelToValue(100), 0);
}

TEST_F(AxisFixture, MarginsWidenTheRange) {
  Layout(11);
  left.ApplyMargins(0, 40, 0, 40);
  EXPECT_EQ(left.PixelStart, 30);
  EXPECT_EQ(left.PixelEnd, 430);
  EXPECT_DOUBLE_EQ(left.RangeMin, -1.25);
  EXPECT_DOUBLE_EQ(left.RangeMax, 11.25);
  EXPECT_EQ(left.ValueToPixel(0), 390);
}

TEST_F(AxisFixture, SettersRefuseCrossedEnds) {
  bottom.SetMaximum(100);
  try {
    bottom.SetMinimum(101);
    FAIL();
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
  }
  try {
    bottom.SetMaximum(-1);
    FAIL();
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
  }
  EXPECT_THROW(bottom.SetIncrement(-1), AxisException);
  EXPECT_EQ(bottom.Minimum(), 0);
  EXPECT_EQ(bottom.Maximum(), 100);
}

TEST_F(AxisFixture, SetRangeFixesOrdersAndWidens) {
  left.SetRange(20, 10);
  EXPECT_FALSE(left.Automatic || left.AutomaticMinimum || left.AutomaticMaximum);
  EXPECT_EQ(left.Minimum(), 10);
  EXPECT_EQ(left.Maximum(), 20);
  left.SetRange(5, 5);
  EXPECT_EQ(left.Maximum(), 5 + 1e-10);
  Layout(16);
  EXPECT_EQ(left.RangeMin, 5) << "a fixed range ignores the data";
}

TEST_F(AxisFixture, ScrollByMovesBothEndsAndMayStopAtTheData) {
  Layout(16);
  left.ScrollBy(false, 0.45);
  EXPECT_FALSE(left.Automatic);
  EXPECT_DOUBLE_EQ(left.Minimum(), 0.45);
  EXPECT_DOUBLE_EQ(left.Maximum(), 15.45);
  left.SetRange(0, 15);
  left.ScrollBy(true, 1);
  EXPECT_EQ(left.Maximum(), 15) << "nothing beyond the data maximum";
  left.ScrollBy(true, -1);
  EXPECT_EQ(left.Minimum(), 0) << "nothing below the data minimum";
  left.SetRange(0, 10);
  left.ScrollBy(true, 2);
  EXPECT_EQ(left.Maximum(), 12);
}

}  // namespace
}  // namespace chart
