#include "chart/axis.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/lineseries.h"
#include "form_chart.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;
using testing::TRecordingCanvas;

// 31 points up the left axis, zoomed to 24..25.5, in a 296 x 500 chart: the
// band is first measured over the length before the bottom axis takes its
// band, where 31 labels fit and the few points keep step 1 ("24", "25");
// the labels are drawn over the final length, where fewer fit and the step
// is 0.05 ("25.45"). The band must hold the labels drawn: none starts left
// of the panel's bevel and margin (x = 9).
TEST(DrawAxis, LeftLabelsStayInTheBandWhenTheFinalLengthTakesAnotherStep) {
  FormChart form;
  form.AddPoints(31);
  form.Chart.LeftAxis.SetRange(24, 25.5);
  form.Chart.PaintTo(form.Canvas, {0, 0, 296, 500});
  const TChartAxis& left = form.Chart.LeftAxis;
  int labels = 0;
  bool decimals = false;
  for (const CanvasCall& call : form.Canvas.Calls("TextOutAt")) {
    // Right-aligned left of the plot: the left axis' labels, not the legend's.
    if (call.TextAlign != taRight || call.Args[0] >= form.Chart.ChartRect.Left) continue;
    ++labels;
    decimals = decimals || call.Text.find('.') != std::string::npos;
    EXPECT_GE(call.Args[0] - form.Canvas.TextWidth(call.Text), 9) << call.Text;
    EXPECT_EQ(call.Args[0], left.LabelsPosition()) << call.Text;
  }
  EXPECT_GT(labels, 20);
  EXPECT_TRUE(decimals) << "the step of the final length";
  EXPECT_EQ(left.AxisPosition() - left.LabelsPosition(), left.TickAreaSize()) << "ticks right beside the band";
}

// Axis titles take room of their own, with no margins to lean on: inside
// the chart, clear of the plot and of every other text.
TEST(DrawAxis, TitlesStandClearOfThePlotAndTheLabels) {
  TCustomChart chart;
  chart.MarginLeft = chart.MarginTop = chart.MarginRight = chart.MarginBottom = 0;
  auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
  for (int i = 0; i <= 10; ++i) line->AddXY(i, 90 + i * 0.5);
  chart.BottomAxis.Title = "время, ч";
  chart.LeftAxis.Title = "крепость, %масс";
  TRecordingCanvas canvas;
  chart.PaintTo(canvas, {0, 0, 400, 300});
  const auto box = [&canvas](const CanvasCall& c) {
    return AlignedTextBox(c.TextAlign, c.Args[0], c.Args[1], canvas.TextWidth(c.Text), canvas.FontHeight());
  };
  const auto overlap = [](TRect a, TRect b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
  };
  int titles = 0;
  for (const CanvasCall& title : canvas.Calls("TextOutAt")) {
    if (title.Text != chart.BottomAxis.Title && title.Text != chart.LeftAxis.Title) continue;
    ++titles;
    const TRect t = box(title);
    EXPECT_TRUE(t.Left >= 0 && t.Top >= 0 && t.Right <= 400 && t.Bottom <= 300) << title.Text;
    EXPECT_FALSE(overlap(t, chart.ChartRect)) << title.Text;
    for (const CanvasCall& other : canvas.Calls("TextOutAt")) {
      EXPECT_TRUE(other.Text == title.Text || !overlap(t, box(other))) << title.Text << " over " << other.Text;
    }
  }
  EXPECT_EQ(titles, 2);
}

}  // namespace
}  // namespace chart
