#pragma once

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/graphics.h"
#include "chart/legend.h"
#include "chart/series.h"
#include "chart/title.h"

namespace chart {

// The chart without its window: settings, series, axes, titles, legend,
// the layout of the plot rectangle and the paint sequence. Everything is
// drawn through a TChartCanvas3D, so tests drive it with a recording canvas;
// TChart puts it in a widget.
class TCustomChart {
 public:
  TCustomChart();
  virtual ~TCustomChart();
  TCustomChart(const TCustomChart&) = delete;
  TCustomChart& operator=(const TCustomChart&) = delete;

  // Takes the series into the chart, last in the series list. A series
  // whose colour is the default-colour marker takes a palette colour.
  template <class Series>
  Series* AddSeries(std::unique_ptr<Series> series) {
    Series* added = series.get();
    AdoptSeries(std::move(series));
    return added;
  }
  int SeriesCount() const { return static_cast<int>(seriesList_.size()); }
  TChartSeries& Series(int index) const { return *seriesList_[static_cast<std::size_t>(index)]; }
  int CountActiveSeries() const;

  // The axes in creation order: bottom, top, left, right.
  std::array<TChartAxis*, 4> Axes() { return {&BottomAxis, &TopAxis, &LeftAxis, &RightAxis}; }
  bool AxisIsShown(const TChartAxis& axis) const;
  // The smallest or largest X or Y value of the series bound to the axis;
  // 0 when none has points.
  double AxisDataMinMax(const TChartAxis& axis, bool isMinimum, bool isX) const;

  // A repaint request: marks the picture stale and asks the window for a
  // paint, unless repainting is switched off (as it is during a draw).
  void Invalidate();
  // The full draw into the rectangle, which becomes ChartBounds.
  void PaintTo(TChartCanvas3D& canvas, const TRect& rect);
  // Repairs a collapsed ChartRect and recomputes ChartWidth, ChartHeight
  // and the centre; every change of ChartRect is followed by it.
  void RecalcWidthHeight();
  // Whether the legend takes part in this paint.
  bool LegendIsDrawn() const;

  TChartAxis BottomAxis{*this, true, false};
  TChartAxis TopAxis{*this, true, true};
  TChartAxis LeftAxis{*this, false, false};
  TChartAxis RightAxis{*this, false, true};

  int MarginLeft = 3;
  int MarginTop = 4;
  int MarginRight = 3;
  int MarginBottom = 4;
  TBevelCut BevelOuter = bvRaised;
  int BevelWidth = 1;
  // The panel background; clNone leaves it unfilled.
  TColor Color = clBtnFace;
  bool AxisVisible = true;

  TChartTitle Title;
  TChartLegend Legend;

  // The off-screen picture no longer shows the chart.
  bool BufferStale = true;

  TRect ChartBounds;
  // The plot rectangle, recomputed at every paint.
  TRect ChartRect;
  int ChartWidth = 0;
  int ChartHeight = 0;
  int ChartXCenter = 0;
  int ChartYCenter = 0;

 protected:
  // Asks the window system for a paint message.
  virtual void InvalidateWindow() {}

 private:
  void AdoptSeries(std::unique_ptr<TChartSeries> series);
  void CalcChartRectFromBounds();
  void DrawSequence(TChartCanvas3D& canvas);
  void DrawPanel(TChartCanvas3D& canvas);
  void DrawTitlesAndLegend(TChartCanvas3D& canvas);
  void CalcAxesSpace(TChartCanvas3D& canvas);
  void ApplySeriesMargins(TChartAxis& axis);
  void DrawWalls(TChartCanvas3D& canvas);
  void DrawAxes(TChartCanvas3D& canvas);
  void DrawAllSeries(TChartCanvas3D& canvas);

  std::vector<std::unique_ptr<TChartSeries>> seriesList_;
  // Off while drawing, so that setters called then ask for no paint.
  bool repaintEnabled_ = false;
};

}  // namespace chart
