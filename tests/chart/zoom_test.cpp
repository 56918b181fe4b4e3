#include "chart/zoom.h"

#include <gtest/gtest.h>

#include "chart/chart.h"

namespace chart {
namespace {

TEST(SavedAxes, RestoreGivesBackFixedRangesAndEveryAutomaticFlag) {
  TCustomChart chart;
  chart.BottomAxis.SetRange(0, 100);
  // Fixed at the top only: the bottom end still follows the data.
  chart.RightAxis.SetRange(-1, 7);
  chart.RightAxis.AutomaticMinimum = true;
  const TSavedAxes saved = SaveAxes(chart);

  for (TChartAxis* axis : chart.Axes()) axis->SetRange(3, 4);
  RestoreAxes(chart, saved);

  EXPECT_FALSE(chart.BottomAxis.Automatic);
  EXPECT_EQ(chart.BottomAxis.Minimum(), 0);
  EXPECT_EQ(chart.BottomAxis.Maximum(), 100);
  EXPECT_TRUE(chart.LeftAxis.Automatic && chart.LeftAxis.AutomaticMinimum &&
              chart.LeftAxis.AutomaticMaximum);
  EXPECT_TRUE(chart.RightAxis.AutomaticMinimum);
  EXPECT_FALSE(chart.RightAxis.AutomaticMaximum);
  EXPECT_EQ(chart.RightAxis.Maximum(), 7);
}

// The colour that not-xor painting leaves over `picture`.
TColor NotXor(TColor source, TColor picture) { return ~(source ^ picture) & 0xFFFFFF; }

TEST(RubberBand, ShowsThePenColourOverTheBackgroundAndUndoesItself) {
  for (TColor background : {clBtnFace, clWhite, clBlack, RGB(12, 200, 77)}) {
    for (TColor pen : {clWhite, clRed, clNavy}) {
      TChartZoom zoom;
      zoom.Pen.Color = pen;
      const TZoomRubberBand band = RubberBand(zoom, background);
      const TColor shown = NotXor(band.PenColor, ColorToRGB(background));
      EXPECT_EQ(shown, pen);
      EXPECT_EQ(NotXor(band.PenColor, shown), ColorToRGB(background));
    }
  }
}

TEST(RubberBand, IsOrderedAndHollowUnlessTheBrushIsSolid) {
  TChartZoom zoom;
  zoom.Activate(200, 220);
  zoom.X1 = 100;
  zoom.Y1 = 100;
  TZoomRubberBand band = RubberBand(zoom, clBtnFace);
  EXPECT_EQ(band.Rect, (TRect{100, 100, 200, 220}));
  EXPECT_TRUE(band.Outlined);
  EXPECT_FALSE(band.Filled);

  zoom.Brush = {clYellow, bsSolid};
  zoom.Pen.Visible = false;
  band = RubberBand(zoom, clBtnFace);
  EXPECT_FALSE(band.Outlined);
  EXPECT_TRUE(band.Filled);
  EXPECT_EQ(NotXor(band.FillColor, ColorToRGB(clBtnFace)), clYellow);
}

}  // namespace
}  // namespace chart
