#pragma once

#include "chart/canvas.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendTextStyle {
  ltsPlain,
  ltsLeftValue,
  ltsRightValue,
  ltsLeftPercent,
  ltsRightPercent,
  ltsXValue,
  ltsValue,
  ltsPercent,
  ltsXAndValue,
  ltsXAndPercent
};
enum TLegendSymbolSize { lcsPercent, lcsPixels };
enum TLegendSymbolPosition { spLeft, spRight };

struct TLegendSymbol {
  bool Visible = true;
  int Width = 20;
  TLegendSymbolSize WidthUnits = lcsPercent;
  TLegendSymbolPosition Position = spLeft;
  bool Squared = false;
  bool Continuous = false;
  // Symbols use the series' own pen rather than Pen.
  bool DefaultPen = true;
  TChartPen Pen;
};

// The framed box beside the plot that lists the series or, for a single
// series, its points.
class TChartLegend {
 public:
  // Refuses a negative value with LegendException.
  int FirstValue() const { return firstValue_; }
  void SetFirstValue(int value);

  // Lays out and draws the legend and gives its space up from the chart's
  // plot rectangle. The chart calls it once per paint when the legend is
  // to be drawn.
  void Draw(TCustomChart& chart, TChartCanvas3D& canvas);

  bool Visible = true;
  TLegendAlignment Alignment = laRight;
  TLegendStyle LegendStyle = lsAuto;
  TLegendTextStyle TextStyle = ltsLeftValue;
  bool Inverted = false;
  int MaxNumRows = 10;
  // Top of a left or right legend, per cent of the chart's height.
  int TopPos = 10;
  // Gaps to the plot; 0 means 3 % of its width (4 % of its height).
  int HorizMargin = 0;
  int VertMargin = 0;
  int VertSpacing = 0;
  bool ResizeChart = true;
  bool CurrentPage = true;
  bool CheckBoxes = false;
  bool FontSeriesColor = false;
  TChartPen DividingLines = HiddenPen();
  TLegendSymbol Symbol;
  TChartFont Font;
  TColor Color = clWhite;
  TChartPen Frame;
  TChartShadow Shadow;
  TBevelCut Bevel = bvNone;
  int BevelWidth = 2;
  bool Transparent = false;
  TChartShapeStyle ShapeStyle = fosRectangle;
  bool CustomPosition = false;
  int Left = 0;
  int Top = 0;

 private:
  int firstValue_ = 0;
};

}  // namespace chart
