#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/colors.h"
#include "chart/graphics.h"
#include "chart/valuelist.h"

namespace chart {

class TChartAxis;
class TCustomChart;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

// The point store of a series: X and Y value lists, optional per-point
// labels and colours, and the operations that empty it and add points.
// A series type draws itself by overriding DrawPoints and, for the legend,
// DrawLegendSymbol.
class TChartSeries {
 public:
  TChartSeries();
  virtual ~TChartSeries() = default;
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  // Empties every value list, the labels and the colours, and asks the chart
  // for a repaint.
  void Clear();
  // Adds a value: on the mandatory list's axis it is the value, on the
  // position list's the number of points before it.
  int Add(double value, const std::string& label = "", TColor color = clTeeColor);
  // Adds a point; returns its index.
  int AddXY(double x, double y, const std::string& label = "", TColor color = clTeeColor);
  int Count() const { return XValues.Count(); }

  // The point's own colour, else its palette colour with ColorEachPoint,
  // else SeriesColor.
  TColor PointColor(int index) const;
  // The point's label, empty when it has none.
  std::string PointLabel(int index) const;

  double MaxX() { return XValues.MaxValue(); }
  double MaxY() { return YValues.MaxValue(); }
  double MinX() { return XValues.MinValue(); }
  double MinY() { return YValues.MinValue(); }

  // Whether the series is bound to the axis (active or not).
  bool UsesAxis(const TChartAxis& axis) const;
  // The axes HorizAxis and VertAxis resolve to; null outside a chart.
  TChartAxis* GetHorizAxis() const;
  TChartAxis* GetVertAxis() const;

  // Sets FirstVisible and LastVisible before a draw.
  void CalcFirstLastVisibleIndex();

  // Draws the points FirstVisible to LastVisible; the chart calls it once
  // per paint for a series with points, clipped to the plot when asked.
  virtual void DrawPoints(TChartCanvas3D& canvas);
  // Draws the legend symbol of point `index` (-1: the whole series).
  virtual void DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect);
  // Pixels the series needs free at the ends of its axes; both start at 0.
  virtual void HorizontalMargins(int& left, int& right);
  virtual void VerticalMargins(int& top, int& bottom);

  // While an update is open, adding a point does not notify anyone.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  TCustomChart* ParentChart() const { return parentChart_; }

  TChartValueList XValues;
  TChartValueList YValues;
  TChartValueList* MandatoryList = &YValues;
  TChartValueList* PositionList = &XValues;
  bool YIsMandatory = true;

  // Absent entries are points without a label.
  std::vector<std::optional<std::string>> PointLabels;
  // Exists only once a point has been added with a colour of its own.
  std::optional<std::vector<TColor>> PointColors;

  TColor SeriesColor = clTeeColor;
  bool ColorEachPoint = false;
  std::string ValueFormat = "#,##0.###";
  std::string Title;
  bool ShowInLegend = true;
  bool Active = true;
  THorizAxis HorizAxis = aBottomAxis;
  TVertAxis VertAxis = aLeftAxis;
  int FirstVisible = -1;
  int LastVisible = -1;

 protected:
  // Asks the owning chart for a repaint.
  void Repaint();

 private:
  friend class TCustomChart;

  TCustomChart* parentChart_ = nullptr;
  int updateCount_ = 0;
};

// The colour of entry `index` of the chart palette.
TColor PaletteColor(int index);

}  // namespace chart
