#pragma once

#include "chart/graphics.h"
#include "chart/series.h"

namespace chart {

// A series drawn as a line through its points in index order: each segment
// runs from the previous point to the next. As it is, X runs along the
// bottom axis and Y up the left one, both automatic, and AddXY keeps the
// points in ascending X; several of them share a chart, each in the palette
// colour AddSeries gives it, and a series legend lists their Titles.
class TLineSeries : public TChartSeries {
 public:
  // Draws the points FirstVisible to LastVisible.
  void DrawPoints(TChartCanvas3D& canvas) override;
  // A short horizontal line across the middle of rect.
  void DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect) override;

  int PointPixelX(int index) const;
  int PointPixelY(int index) const;

  // Room for `EndMargin` pixels at the ends of automatic ranges, so that a
  // line at a range's end stays clear of the plot's frame.
  void HorizontalMargins(int& left, int& right) override;
  void VerticalMargins(int& top, int& bottom) override;

  // The line's pen; each segment takes the colour of the point it ends at.
  TChartPen LinePen;
  int EndMargin = 0;

 private:
  // Draws the segment that ends at point `index`. The first point drawn
  // has none; a point on the previous point's pixel adds none; a point
  // whose colour is clNone has none and starts the line afresh after it.
  void DrawPoint(TChartCanvas3D& canvas, int index);
  void DrawSegmentTo(TChartCanvas3D& canvas, int x, int y, TColor color);

  // The previously drawn point; lastColor_ clNone means there is none.
  // They carry over between paints, which does no harm because the first
  // point drawn never draws a segment.
  int lastX_ = 0;
  int lastY_ = 0;
  TColor lastColor_ = 0;
};

// A line series whose values run along the horizontal axis and whose
// points are placed 0, 1, 2, ... up the vertical axis in the order added.
class THorizLineSeries : public TLineSeries {
 public:
  THorizLineSeries();
};

}  // namespace chart
