#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/graphics.h"

namespace chart {

class TChartSeries;
class TCustomChart;

// lsAuto lists the points of a lone series and the series otherwise.
enum TLegendStyle { lsAuto, lsSeries, lsValues };
// The mark left of each row's text, drawn by the series in its own pen.
struct TLegendSymbol {
  bool Visible = true;
  // Per cent of the row's text width.
  int Width = 20;
};

// The framed box right of the plot that lists the series or, for a single
// series, its points: one row per item, a symbol and a text of up to two
// columns (a point's value, then its label). It is laid out anew at every
// paint from the series as they are and gives its space, and a gap, up
// from the chart's plot rectangle.
class TChartLegend {
 public:
  // Lays out and draws the legend and gives its space up from the chart's
  // plot rectangle. The chart calls it once per paint when the legend is
  // to be drawn. With nothing to list, or no room for a row, nothing is
  // drawn and no space is taken.
  void Draw(TCustomChart& chart, TChartCanvas3D& canvas);

  // LegendStyle with lsAuto decided for the chart's series as they are.
  TLegendStyle ResolvedStyle(const TCustomChart& chart) const;

  bool Visible = true;
  TLegendStyle LegendStyle = lsAuto;
  // Rows in reverse order: the last item at the top.
  bool Inverted = false;
  // Top of the legend, per cent of the chart's height.
  int TopPos = 10;
  TLegendSymbol Symbol;
  TChartFont Font;
  TColor Color = clWhite;
  TChartPen Frame;
  TChartShadow Shadow;
  TBevelCut Bevel = bvNone;
  int BevelWidth = 2;

  // The box of the last draw; empty when nothing was drawn.
  TRect ShapeRect;

 private:
  // One listed item: a point of a series, or a series (Index -1).
  struct Item {
    TChartSeries* Series = nullptr;
    int Index = -1;
    std::array<std::string, 2> Columns;
  };
  // What one paint works out before it draws.
  struct Layout {
    TLegendStyle Style = lsValues;
    std::vector<Item> Items;
    int Listed = 0;
    int ItemHeight = 0;
    int SpaceWidth = 0;
    int FrameWidth = 0;
    int SymbolWidth = 0;
    std::array<int, 2> ColumnWidth{};
    int TextWidth = 0;
    int TextX = 0;
    int SymbolX = 0;
  };

  std::vector<Item> CollectItems(const TCustomChart& chart, TLegendStyle style) const;
  void MakeTexts(Layout& layout, int count) const;
  int SymbolWidthFor(int base) const;
  bool Place(const TCustomChart& chart, TChartCanvas3D& canvas, Layout& layout);
  void MeasureTexts(TChartCanvas3D& canvas, Layout& layout, int count) const;
  void DrawBox(TChartCanvas3D& canvas) const;
  void DrawRow(TChartCanvas3D& canvas, const Layout& layout, const Item& item, int row) const;
  void DrawSymbol(TChartCanvas3D& canvas, const Item& item, const TRect& rect) const;
  void GiveUpSpace(TCustomChart& chart, int widthBefore) const;

};

}  // namespace chart
