#include "chart/legend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "recording_canvas.h"
#include "support/scopedseparators.h"

namespace chart {
namespace {

using Texts = std::vector<std::string>;

// Line series of two points each, the legend drawn alone against the plot
// (10, 20, 290, 280) of a 300 x 300 chart.
struct SeriesLegend {
  TLineSeries* Add(const std::string& title, TColor colour = clTeeColor, std::vector<double> values = {1, 2}) {
    auto own = std::make_unique<TLineSeries>();
    own->Title = title;
    own->SeriesColor = colour;
    auto* series = Chart.AddSeries(std::move(own));
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
  l.Add("флегма", clNavy);
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"пар", "Series2", "флегма"})) << "untitled: its place";
  // Palette colours by place, unless the series has its own.
  const auto texts = l.Canvas.Calls("TextOutAt");
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 3u);
  const TColor colours[] = {clRed, clGreen, clNavy};
  for (std::size_t i = 0; i < 3; ++i) {
    const int top = texts[i].Args[1];
    EXPECT_EQ(top, texts[0].Args[1] + 13 * static_cast<int>(i)) << "13-pixel rows";
    EXPECT_EQ(texts[i].TextAlign, taLeft);
    EXPECT_EQ(symbols[i].Pen.Color, colours[i]);
    EXPECT_EQ(symbols[i].Args[2], top + 6) << "across the middle of the row";
  }
}

// A lone series lists its values, right-aligned, in the locale's
// separators; asked to, it lists its title.
TEST(Legend, ALoneSeriesListsItsValuesUnlessAskedForSeries) {
  SeriesLegend l;
  l.Add("крепость", clTeeColor, {9.4, 1234.5});
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
