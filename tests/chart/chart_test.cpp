#include "chart/chart.h"

#include <gtest/gtest.h>

#include <memory>

#include "chart/lineseries.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using testing::TRecordingCanvas;

// The program's chart: 296 x 473, one horizontal line series.
struct FormChart {
  FormChart() {
    Chart.Title.Text = {"Крепость в колонне"};
    Chart.Legend.Inverted = true;
    Chart.BottomAxis.Automatic = false;
    Chart.BottomAxis.AutomaticMinimum = false;
    Chart.BottomAxis.AutomaticMaximum = false;
    Chart.BottomAxis.SetMaximum(100);
    Chart.View3D = false;
    Series = Chart.AddSeries(std::make_unique<THorizLineSeries>());
    Series->SeriesColor = clRed;
  }
  void Paint() { Chart.PaintTo(Canvas, {0, 0, 296, 473}); }

  TCustomChart Chart;
  THorizLineSeries* Series;
  TRecordingCanvas Canvas;
};

TEST(ChartLayout, PlotRectangleStartsInsideBevelAndMargins) {
  FormChart form;
  form.Chart.Title.Visible = false;
  form.Chart.AxisVisible = false;
  form.Paint();
  EXPECT_EQ(form.Chart.ChartRect, (TRect{9, 19, 287, 454}));
}

}  // namespace
}  // namespace chart
