#include "chart/legend.h"

#include <algorithm>

#include "chart/chart.h"
#include "chart/legendtext.h"
#include "chart/rounding.h"

namespace chart {

namespace {

// The chart panel casts no shadow, so a top legend's space ends at its box.
constexpr int kChartShadowVertSize = 0;

// A series row's text: its title, or its name in the chart when untitled.
std::string SeriesRowText(const TCustomChart& chart, const TChartSeries& series) {
  if (!series.Title.empty()) return series.Title;
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    if (&chart.Series(i) == &series) return "Series" + std::to_string(i + 1);
  }
  return "Series";
}

}  // namespace

TLegendStyle TChartLegend::ResolvedStyle(const TCustomChart& chart) const {
  if (LegendStyle != lsAuto) return LegendStyle;
  return chart.CountActiveSeries() < 2 ? lsValues : lsSeries;
}

std::vector<TChartLegend::Item> TChartLegend::CollectItems(const TCustomChart& chart,
                                                         TLegendStyle style) const {
  std::vector<Item> items;
  if (style == lsValues) {
    TChartSeries* listed = nullptr;
    for (int i = 0; i < chart.SeriesCount() && !listed; ++i) {
      if (chart.Series(i).Active) listed = &chart.Series(i);
    }
    if (!listed || !listed->ShowInLegend) return items;
    for (int i = 0; i < listed->Count(); ++i) items.push_back({listed, i, {}});
    return items;
  }
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    TChartSeries& series = chart.Series(i);
    if (series.Active && series.ShowInLegend) items.push_back({&series, -1, {}});
  }
  return items;
}

void TChartLegend::MakeTexts(Layout& layout, int count) const {
  for (int k = 0; k < count; ++k) {
    Item& item = layout.Items[static_cast<std::size_t>(k)];
    TChartSeries& series = *item.Series;
    std::string text = layout.Style == lsValues ? SeriesValueText(series, item.Index)
                                                : SeriesRowText(*series.ParentChart(), series);
    // A row holds one line.
    std::replace(text.begin(), text.end(), '\r', ' ');
    item.Columns = SplitLegendColumns(text);
  }
}

void TChartLegend::MeasureTexts(TChartCanvas3D& canvas, Layout& layout, int count) const {
  MakeTexts(layout, count);
  layout.ColumnWidth = {0, 0};
  for (int k = 0; k < count; ++k) {
    const Item& item = layout.Items[static_cast<std::size_t>(k)];
    for (std::size_t c = 0; c < 2; ++c) {
      if (item.Columns[c].empty()) continue;
      layout.ColumnWidth[c] = std::max(layout.ColumnWidth[c], canvas.TextWidth(item.Columns[c]));
    }
  }
  layout.TextWidth = 2 * layout.SpaceWidth - 1 + layout.ColumnWidth[0] + layout.ColumnWidth[1];
}

int TChartLegend::SymbolWidthFor(int base) const {
  if (!Symbol.Visible) return 0;
  return Round(Symbol.Width * base * 0.01L);
}

// A single column of rows from TopPos down, as many as fit above the plot's
// bottom, at the plot's right.
bool TChartLegend::Place(const TCustomChart& chart, TChartCanvas3D& canvas, Layout& layout) {
  const TRect& bounds = chart.ChartBounds;
  const TRect& plot = chart.ChartRect;
  const int ih = layout.ItemHeight;
  const int top = bounds.Top + Round(TopPos * bounds.Height() * 0.01L);
  int rows = 0;
  if (plot.Bottom > top && ih > 0) rows = std::max(0, (plot.Bottom - top - 2 * Frame.Width) / ih);
  rows = std::min(rows, static_cast<int>(layout.Items.size()));
  if (rows <= 0) return false;
  layout.Listed = rows;
  MeasureTexts(canvas, layout, rows);

  const int base = layout.TextWidth + 10;
  layout.SymbolWidth = SymbolWidthFor(base);
  const int width = base + layout.SymbolWidth;
  const int frameGap = Frame.Visible ? layout.FrameWidth + 1 : 0;
  ShapeRect.Top = top;
  ShapeRect.Bottom = top + rows * ih + 2;
  ShapeRect.Right = plot.Right - Shadow.HorizSize - frameGap;
  ShapeRect.Left = ShapeRect.Right - width;
  return true;
}

void TChartLegend::Draw(TCustomChart& chart, TChartCanvas3D& canvas) {
  const int widthBefore = chart.ChartWidth;
  ShapeRect = {};
  Layout layout;
  layout.Style = ResolvedStyle(chart);
  layout.Items = CollectItems(chart, layout.Style);
  if (layout.Items.empty()) return;

  canvas.AssignFont(Font);
  layout.SpaceWidth = canvas.TextWidth(" ");
  layout.ItemHeight = canvas.FontHeight();
  layout.FrameWidth = Bevel != bvNone ? BevelWidth : (Frame.Visible ? Frame.Width : 0);

  if (!Place(chart, canvas, layout)) return;

  // The symbol stands left of the text.
  layout.SymbolX = ShapeRect.Left + 6;
  layout.TextX = layout.SymbolX + layout.SymbolWidth + 4;

  DrawBox(canvas);
  for (int k = 0; k < layout.Listed; ++k) {
    const int row = Inverted ? layout.Listed - 1 - k : k;
    DrawRow(canvas, layout, layout.Items[static_cast<std::size_t>(k)], row);
  }
  GiveUpSpace(chart, widthBefore);
}

void TChartLegend::GiveUpSpace(TCustomChart& chart, int widthBefore) const {
  // The plot ends left of the box by a gap of 3 % of its width.
  chart.ChartRect.Right = ShapeRect.Left - 3 * widthBefore / 100;
  chart.RecalcWidthHeight();
}

}  // namespace chart
