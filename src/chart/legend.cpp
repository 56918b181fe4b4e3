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
    int first = 0;
    int end = listed->Count();
    const int perPage = chart.MaxPointsPerPage();
    if (perPage > 0) {
      // In 64 bits: a far page number must not overflow into a listed range.
      const long long pageFirst = (static_cast<long long>(chart.Page) - 1) * perPage;
      first = static_cast<int>(std::clamp<long long>(pageFirst, 0, end));
      end = static_cast<int>(std::clamp<long long>(pageFirst + perPage, 0, end));
    }
    for (int i = first; i < end; ++i) items.push_back({listed, i, {}});
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
    std::string text;
    if (layout.Style == lsValues) {
      text = SeriesValueText(series, item.Index, TextStyle);
    } else if (layout.Style == lsLastValues) {
      if (series.Count() > 0) text = SeriesValueText(series, series.Count() - 1, TextStyle);
    } else {
      text = SeriesRowText(*series.ParentChart(), series);
    }
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

// A left or right legend: a single column of rows from TopPos down, as many
// as fit above the plot's bottom.
bool TChartLegend::PlaceBeside(const TCustomChart& chart, TChartCanvas3D& canvas, Layout& layout) {
  const TRect& bounds = chart.ChartBounds;
  const TRect& plot = chart.ChartRect;
  const int ih = layout.ItemHeight;
  const int top = bounds.Top + Round(TopPos * bounds.Height() * 0.01L);
  int rows = 0;
  if (plot.Bottom > top && ih > 0) rows = std::max(0, (plot.Bottom - top - 2 * Frame.Width) / ih);
  rows = std::min(rows, static_cast<int>(layout.Items.size()));
  if (rows <= 0) return false;
  layout.Rows = layout.Listed = rows;
  MeasureTexts(canvas, layout, rows);

  const int base = layout.TextWidth + 10;
  layout.SymbolWidth = SymbolWidthFor(base);
  const int width = base + layout.SymbolWidth;
  const int frameGap = Frame.Visible ? layout.FrameWidth + 1 : 0;
  ShapeRect.Top = top;
  ShapeRect.Bottom = top + rows * ih + 2;
  if (Alignment == laRight) {
    ShapeRect.Right = plot.Right - Shadow.HorizSize - frameGap;
    ShapeRect.Left = ShapeRect.Right - width;
  } else {
    ShapeRect.Left = plot.Left + frameGap;
    ShapeRect.Right = ShapeRect.Left + width;
  }
  return true;
}

// A top or bottom legend: the items in columns across the plot, at most
// MaxNumRows rows of them.
bool TChartLegend::PlaceAcross(const TCustomChart& chart, TChartCanvas3D& canvas, Layout& layout) {
  const TRect& plot = chart.ChartRect;
  const int items = static_cast<int>(layout.Items.size());
  MeasureTexts(canvas, layout, items);
  const int tw = layout.TextWidth;
  layout.SymbolWidth = SymbolWidthFor(tw);
  const int symw = layout.SymbolWidth;

  int columns = 0;
  if (plot.Right > 8) {
    columns = (chart.ChartWidth - 2 * Frame.Width - 8) / (tw + symw + 8);
  }
  columns = std::clamp(columns, 0, items);
  const int rows = columns > 0 ? std::min((items + columns - 1) / columns, MaxNumRows) : 0;
  layout.Listed = std::min(items, columns * rows);
  if (layout.Listed <= 0) return false;
  layout.Rows = rows;
  layout.Columns = columns;
  layout.ColumnStep = tw + symw + 6;
  layout.Items.resize(static_cast<std::size_t>(layout.Listed));

  const int height = rows * layout.ItemHeight + 2;
  if (Alignment == laTop) {
    ShapeRect.Top = plot.Top + layout.FrameWidth + 1;
    ShapeRect.Bottom = ShapeRect.Top + height;
  } else {
    ShapeRect.Bottom = plot.Bottom - kChartShadowVertSize - layout.FrameWidth - 1;
    ShapeRect.Top = ShapeRect.Bottom - height;
  }

  int total = (tw + symw) * columns + 12 + (columns - 1) * 6;
  const int half = std::min(total, chart.ChartWidth) / 2;
  const int width = 2 * half;
  ShapeRect.Left =
      Round(TopPos * (chart.ChartBounds.Width() - width) * 0.01L) + chart.ChartXCenter - half;
  ShapeRect.Right = ShapeRect.Left + width;
  return true;
}

void TChartLegend::Draw(TCustomChart& chart, TChartCanvas3D& canvas) {
  const int widthBefore = chart.ChartWidth;
  const int heightBefore = chart.ChartHeight;
  ShapeRect = {};
  Layout layout;
  layout.Style = ResolvedStyle(chart);
  layout.Items = CollectItems(chart, layout.Style);
  if (layout.Items.empty()) return;

  canvas.AssignFont(Font);
  layout.SpaceWidth = canvas.TextWidth(" ");
  layout.ItemHeight = canvas.FontHeight() + VertSpacing;
  layout.FrameWidth = Bevel != bvNone ? BevelWidth : (Frame.Visible ? Frame.Width : 0);

  const bool beside = Alignment == laLeft || Alignment == laRight;
  const bool placed = beside ? PlaceBeside(chart, canvas, layout) : PlaceAcross(chart, canvas, layout);
  if (!placed) return;

  // The symbol stands left of the text.
  layout.SymbolX = ShapeRect.Left + 6;
  layout.TextX = layout.SymbolX + layout.SymbolWidth + 4;

  DrawBox(canvas);
  for (int k = 0; k < layout.Listed; ++k) {
    const int slot = Inverted ? layout.Listed - 1 - k : k;
    DrawRow(canvas, layout, layout.Items[static_cast<std::size_t>(k)], slot);
  }
  GiveUpSpace(chart, widthBefore, heightBefore);
}

void TChartLegend::GiveUpSpace(TCustomChart& chart, int widthBefore, int heightBefore) const {
  TRect& plot = chart.ChartRect;
  switch (Alignment) {
    case laLeft: plot.Left = ShapeRect.Right; break;
    case laRight: plot.Right = ShapeRect.Left; break;
    case laTop: plot.Top = ShapeRect.Bottom + kChartShadowVertSize; break;
    case laBottom: plot.Bottom = ShapeRect.Top; break;
  }
  // The gap to the plot: 3 % of its width beside it, 4 % of its height
  // above or below it.
  const int horizGap = 3 * widthBefore / 100;
  const int vertGap = 4 * heightBefore / 100;
  switch (Alignment) {
    case laLeft: plot.Left += horizGap; break;
    case laRight: plot.Right -= horizGap; break;
    case laTop: plot.Top += vertGap; break;
    case laBottom: plot.Bottom -= vertGap; break;
  }
  chart.RecalcWidthHeight();
}

}  // namespace chart
