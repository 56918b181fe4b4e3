#include "chart/legend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "recording_canvas.h"
#include "support/scoped_separators.h"

namespace chart {
namespace {

using Texts = std::vector<std::string>;

// Line series of two points each, the legend drawn alone against the plot
// (10, 20, 290, 280) of a 300 x 300 chart.
struct SeriesLegend {
  TLineSeries* Add(const std::string& title, std::vector<double> values = {1, 2}) {
    auto* series = Chart.AddSeries(std::make_unique<TLineSeries>());
    series->Title = title;
    for (std::size_t i = 0; i < values.size(); ++i) series->AddXY(static_cast<double>(i), values[i]);
    return series;
  }
  void Draw() {
    Chart.ChartBounds = {0, 0, 300, 300};
    Chart.ChartRect = {10, 20, 290, 280};
    Chart.RecalcWidthHeight();
    Canvas.Clear();
    Chart.Legend.Draw(Chart, Canvas);
  }

  TCustomChart Chart;
  testing::TRecordingCanvas Canvas;
};

TEST(Legend, ListsTheShownSeriesOneRowEachWithTheirLineSymbol) {
  SeriesLegend l;
  l.Add("пар");
  l.Add("");
  l.Add("скрытая")->ShowInLegend = false;
  l.Add("выключенная")->Active = false;
  l.Add("флегма");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"пар", "Series2", "флегма"})) << "untitled: its place";
  const auto texts = l.Canvas.Calls("TextOutAt");
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 3u);
  const TColor colours[] = {clRed, clGreen, clWhite};
  for (std::size_t i = 0; i < 3; ++i) {
    const int top = texts[i].Args[1];
    EXPECT_EQ(top, texts[0].Args[1] + 13 * static_cast<int>(i)) << "13-pixel rows";
    EXPECT_EQ(texts[i].TextAlign, taLeft);
    EXPECT_EQ(symbols[i].Pen.Color, colours[i]);
    // A short line left of the text, across the middle of the row.
    EXPECT_LT(symbols[i].Args[1], texts[i].Args[0]);
    EXPECT_EQ(symbols[i].Args[2], top + 6);
  }
  EXPECT_EQ(l.Chart.ChartRect.Right, l.Chart.Legend.ShapeRect.Left - 8) << "3 % of 280 left free";
}

// A lone series lists its values, right-aligned, in the locale's
// separators; asked to, it lists its title.
TEST(Legend, ALoneSeriesListsItsValuesUnlessAskedForSeries) {
  SeriesLegend l;
  l.Add("крепость", {9.4, 1234.5});
  ScopedSeparators comma(",", " ");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"9,4", "1 234,5"}));
  for (const auto& call : l.Canvas.Calls("TextOutAt")) EXPECT_EQ(call.TextAlign, taRight);
  l.Chart.Legend.LegendStyle = lsSeries;
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"крепость"}));
}

}  // namespace
}  // namespace chart
