#pragma once

#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

// The largest absolute pixel coordinate that value mapping returns.
inline constexpr int PixelLimit = 0x3FFFFFF;
// The smallest label step, also the tolerance of the label loop.
inline constexpr double SmallestStep = 1e-12;

enum TAxisLabelStyle { talAuto, talNone, talValue };
enum TAxisLabelAlign { alDefault, alOpposite };

struct TAxisGridPen : TChartPen {
  // Grid lines midway between the ticks instead of on them.
  bool Centered = false;
};

// One axis of the chart: its range (automatic from the series or fixed),
// the mapping between values and pixels along one side of the plot, and the
// scale drawn there (axis line, labels, ticks and grid).
//
// The working state below the settings is recomputed at every paint, in
// the order AdjustRange, ComputePixelRange, ReserveSpace, ComputePixelRange,
// ApplyMargins, DrawAxis.
class TChartAxis {
 public:
  TChartAxis(TCustomChart& chart, bool horizontal, bool otherSide, bool depthAxis = false);
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  // The range ends. The setters refuse a Minimum above Maximum and a
  // Maximum below Minimum (AxisException) and ask for a repaint on change.
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }
  void SetMinimum(double value);
  void SetMaximum(double value);
  // The smallest label step; 0 lets the label sizes choose it.
  double Increment() const { return increment_; }
  void SetIncrement(double value);

  // Fixes the range (the zoom's operation): turns the automatic range off,
  // orders the ends, and keeps them at least 1e-10 apart.
  void SetRange(double min, double max);
  // Moves both ends by delta and turns the automatic range off. With
  // checkLimits, a move that would show nothing beyond the data is refused.
  void ScrollBy(bool checkLimits, double delta);

  void AdjustRange();
  void ComputePixelRange();
  void RecalcScale();
  void ApplyMargins(int left, int top, int right, int bottom);

  int ValueToPixelX(double value) const;
  int ValueToPixelY(double value) const;
  int ValueToPixel(double value) const {
    return Horizontal ? ValueToPixelX(value) : ValueToPixelY(value);
  }
  double PixelToValue(int pixel) const;

  // Shrinks rect on the axis's side by the label band and the tick band
  // (reserve true), or only derives the positions from rect (false).
  void ReserveSpace(TChartCanvas3D& canvas, TRect& rect, bool reserve);
  double LabelStep(TChartCanvas3D& canvas);
  double LabelStepForCount(int count) const;
  // The next step of the sequence 1, 2, 5, 10, 20, ... (and 0.5, 0.2, ...)
  // above x.
  static double NextNiceStep(double x);
  std::string LabelText(double value) const;
  // Draws labels, axis line, ticks and grid; with placeAxis the axis line
  // is first put on its side of the plot rectangle.
  void DrawAxis(TChartCanvas3D& canvas, bool placeAxis);

  // The width of the label band of a vertical axis, a space included.
  int WidestLabel(TChartCanvas3D& canvas);
  // The label band across the axis.
  int LabelsExtent(TChartCanvas3D& canvas);
  // Axis line plus ticks across the axis.
  int TickAreaSize() const;
  TAxisLabelStyle CalcLabelStyle() const;
  // Whether a series with its positions along this axis has no more
  // points than `count`.
  bool FewPointsOnAxis(int count) const;

  bool IsDepthAxis() const { return isDepthAxis_; }

  bool Automatic = true;
  bool AutomaticMaximum = true;
  bool AutomaticMinimum = true;
  bool Inverted = false;
  bool Horizontal;
  bool OtherSide;
  bool Visible = true;
  bool Labels = true;
  TChartFont LabelsFont;
  TAxisLabelAlign LabelsAlign = alDefault;
  bool LabelsOnAxis = true;
  // Per cent of a label's size kept free between labels.
  int LabelsSeparation = 10;
  // A fixed label band in pixels; 0 measures the labels.
  int LabelsSize = 0;
  TAxisLabelStyle LabelStyle = talAuto;
  // Spaces in label texts become line breaks.
  bool LabelsMultiLine = false;
  std::string AxisValuesFormat = "#,##0.###";
  bool RoundFirstLabel = true;
  bool TickOnLabelsOnly = true;
  int TickLength = 4;
  int TickInnerLength = 0;
  int MinorTickCount = 3;
  int MinorTickLength = 2;
  TChartPen Axis{.Width = 2};
  TChartPen Ticks = DarkGrayPen();
  TChartPen TicksInner = DarkGrayPen();
  TChartPen MinorTicks = DarkGrayPen();
  TAxisGridPen Grid{DottedGrayPen()};
  TChartPen MinorGrid = HiddenPen();
  // The part of the plot side the axis spans, in per cent.
  double StartPosition = 0;
  double EndPosition = 100;
  // Offset of the axis line from its side of the plot.
  double PositionPercent = 0;
  TChartUnits PositionUnits = muPercent;
  // Extra pixels kept free at the range ends.
  int MinimumOffset = 0;
  int MaximumOffset = 0;
  double ZPosition = 0;

  double RangeMin = 0;
  double RangeMax = 0;
  double RangeSpan = 0;
  bool RangeIsZero = true;
  int PixelStart = 0;
  int PixelEnd = 0;
  int PixelLength = 0;
  int PixelCenter = 0;
  double PixelsPerUnit = 0;
  int AxisPosition = 0;
  int LabelsPosition = 0;
  std::vector<int> TickPositions;

 private:
  friend class TCustomChart;

  // The coordinate of the axis's side of rect.
  int SideOf(const TRect& rect) const;
  int ShiftedByPosition(int position) const;
  void TakeOff(TRect& rect, int size) const;
  int LabelExtentAlong(TChartCanvas3D& canvas, double value) const;
  void DrawValueLabels(TChartCanvas3D& canvas, double step);
  void EmitLabel(TChartCanvas3D& canvas, double value);
  void DrawLabel(TChartCanvas3D& canvas, int x, int y, const std::string& text);
  void DrawTicksAndGrid(TChartCanvas3D& canvas);
  void DrawTick(TChartCanvas3D& canvas, int p, int offset, int length);
  void DrawGridLine(TChartCanvas3D& canvas, int p);
  void Changed();

  TCustomChart& chart_;
  bool isDepthAxis_ = false;
  double minimum_ = 0;
  double maximum_ = 0;
  double increment_ = 0;
  int widestLabel_ = 0;
};

}  // namespace chart
