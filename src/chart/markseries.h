#pragma once

#include "chart/graphics.h"
#include "chart/series.h"

namespace chart {

// Texts placed on the plot: each point's label, centred above the point,
// with a small cross on the point itself. For naming points of other series
// (tray numbers on a staircase); it draws no line and keeps points as added.
// Where labels would overlap, the point added first keeps its label.
class TMarkSeries : public TChartSeries {
 public:
  TMarkSeries();

  void DrawPoints(TChartCanvas3D& canvas) override;
  // The cross.
  void DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect) override;
  // Room for the labels at the ends of the axes, so none is cut off.
  void HorizontalMargins(int& left, int& right) override;
  void VerticalMargins(int& top, int& bottom) override;

  TChartFont Font;
  // Half the cross's width; 0 draws none.
  int CrossSize = 3;
};

}  // namespace chart
