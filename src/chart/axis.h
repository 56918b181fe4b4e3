#pragma once

#include <string>
#include <vector>

#include "chart/axisscale.h"
#include "chart/canvas.h"
#include "chart/graphics.h"
#include "chart/labelvalues.h"

namespace chart {

class TCustomChart;

// How an axis looks and where its range comes from. Each paint reads them.
struct TAxisSettings {
  // The range follows the data of the series bound to the axis; the two
  // ends may be fixed one by one.
  bool Automatic = true;
  bool AutomaticMaximum = true;
  bool AutomaticMinimum = true;
  TChartFont LabelsFont;
  // Per cent of a label's size kept free between labels.
  int LabelsSeparation = 10;
  std::string AxisValuesFormat = "#,##0.###";
  int TickLength = 4;
  int MinorTickLength = 2;
  TChartPen Axis{.Width = 2};
  TChartPen Ticks = DarkGrayPen();
  TChartPen MinorTicks = DarkGrayPen();
  TChartPen Grid = DottedGrayPen();
  // What the axis measures, with its unit, in the labels' font: centred
  // beyond the labels of a horizontal axis, and above the plot over the
  // labels of a vertical one, which reads without turning the head. Empty
  // takes no room.
  std::string Title;
};

// One axis of the chart: its settings, its range (automatic from the series
// or fixed), and what each paint works out from them: the scale that maps
// values to pixels along one side of the plot, the label values, and the
// drawing of labels, axis line, ticks and grid.
//
// A paint runs AdjustRange, ComputePixelRange, ReserveSpace,
// ComputePixelRange, ApplyMargins, then DrawAxis.
class TChartAxis : public TAxisSettings {
 public:
  TChartAxis(TCustomChart& chart, bool horizontal, bool otherSide);
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  bool Horizontal() const { return horizontal_; }
  // The top or the right axis.
  bool OtherSide() const { return otherSide_; }

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
  // Moves both ends by delta and turns the automatic range off.
  void ScrollBy(double delta);

  // The paint's steps, in the order above.
  void AdjustRange();
  void ComputePixelRange();
  // Shrinks rect on the axis's side by the label band and the tick band.
  void ReserveSpace(TChartCanvas3D& canvas, TRect& rect);
  // Once the scale is final: when its labels need a wider band than
  // ReserveSpace measured, shrinks the plot rect by the difference on the
  // axis's side and moves the labels with it. False when the band was wide
  // enough or the plot has no room left.
  bool WidenLabelBand(TChartCanvas3D& canvas, TRect& plot);
  // Pixels kept free at the range ends (the left or top one first) widen
  // the range so that the data keeps clear of them.
  void ApplyMargins(int before, int after);
  void DrawAxis(TChartCanvas3D& canvas);

  // The scale of the last paint.
  const TAxisScale& Scale() const { return scale_; }
  int ValueToPixel(double value) const { return scale_.ValueToPixel(value); }
  double PixelToValue(int pixel) const { return scale_.PixelToValue(pixel); }
  // Where the last paint put the axis line and the labels' inner edge,
  // across the axis, and the ticks along it.
  int AxisPosition() const { return axisPosition_; }
  int LabelsPosition() const { return labelsPosition_; }
  const std::vector<int>& TickPositions() const { return tickPositions_; }

  // The step of the labels for the scale, in the labels' font, which it
  // selects.
  double LabelStep(TChartCanvas3D& canvas);
  std::string LabelText(double value) const;
  // The width of the label band of a vertical axis, a space included.
  int WidestLabel(TChartCanvas3D& canvas);
  // The label band across the axis.
  int LabelsExtent(TChartCanvas3D& canvas);
  // Axis line plus ticks across the axis.
  int TickAreaSize() const;
  // Whether some active series is drawn against the axis, which then has
  // value labels.
  bool HasValueLabels() const;

 private:
  TPixelReading Reading() const;
  int SideOf(const TRect& rect) const;
  void TakeOff(TRect& rect, int size) const;
  int LabelExtentAlong(TChartCanvas3D& canvas, double value) const;
  int FewestPositions() const;
  void DrawLabels(TChartCanvas3D& canvas, const std::vector<double>& values);
  void DrawLabel(TChartCanvas3D& canvas, int x, int y, const std::string& text);
  void DrawTicksAndGrid(TChartCanvas3D& canvas);
  void DrawTick(TChartCanvas3D& canvas, int p, int length);
  void DrawTitle(TChartCanvas3D& canvas);
  void Changed();

  TCustomChart& chart_;
  const bool horizontal_;
  const bool otherSide_;
  double minimum_ = 0;
  double maximum_ = 0;
  double increment_ = 0;

  TAxisScale scale_;
  int axisPosition_ = 0;
  int labelsPosition_ = 0;
  // The label band as reserved, across the axis.
  int labelBand_ = 0;
  std::vector<int> tickPositions_;
};

}  // namespace chart
