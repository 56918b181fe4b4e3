#include "chart/axis.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "form_chart.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::FormChart;

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
  FormChart form;
  form.Chart.MarginLeft = form.Chart.MarginTop = form.Chart.MarginRight = form.Chart.MarginBottom = 0;
  form.AddPoints(11);
  const std::string titles[] = {form.Chart.BottomAxis.Title = "крепость, %масс",
                                form.Chart.LeftAxis.Title = "номер тарелки, считая от куба"};
  form.Chart.PaintTo(form.Canvas, {0, 0, 400, 300});
  std::map<std::string, TRect> boxes{{"plot", form.Chart.ChartRect}};
  for (const CanvasCall& c : form.Canvas.Calls("TextOutAt")) {
    boxes[c.Text] = AlignedTextBox(c.TextAlign, c.Args[0], c.Args[1], form.Canvas.TextWidth(c.Text), form.Canvas.FontHeight());
  }
  for (const std::string& title : titles) {
    const TRect t = boxes.at(title);  // throws when the title is not drawn
    EXPECT_TRUE(t.Left >= 0 && t.Top >= 0 && t.Right <= 400 && t.Bottom <= 300) << title;
    for (const auto& [text, b] : boxes) {
      const bool apart = t.Right <= b.Left || b.Right <= t.Left || t.Bottom <= b.Top || b.Bottom <= t.Top;
      EXPECT_TRUE(text == title || apart) << title << " over " << text;
    }
  }
}

}  // namespace
}  // namespace chart
