#pragma once

#include "chart/graphics.h"
#include "chart/series.h"

namespace chart {

// A series drawn as a line through its points in index order.
class TLineSeries : public TChartSeries {
 public:
  TLineSeries();

  // The line's pen; its colour is replaced by the point colours.
  TChartPen LinePen;
};

// A line series whose values run along the horizontal axis and whose
// points are placed 0, 1, 2, ... up the vertical axis in the order added.
class THorizLineSeries : public TLineSeries {
 public:
  THorizLineSeries();
};

}  // namespace chart
