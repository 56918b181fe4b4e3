#pragma once

#include <optional>

#include "chart/axis.h"
#include "chart/title.h"
#include "chart/zoom.h"

namespace chart {

class TCustomChart;

// The chart's mouse: a left drag from upper left to lower right zooms into
// the dragged rectangle, a left drag the other way restores the ranges from
// before the first zoom or scroll, a right drag scrolls the axes with the
// content following the mouse, and a wheel notch scrolls the vertical axes
// by 3 % of their range.
//
// It works on the plot rectangle and axis scales of the chart's last paint,
// in client pixels; the window forwards its mouse events here.
class TChartMouse {
 public:
  explicit TChartMouse(TCustomChart& chart);
  virtual ~TChartMouse() = default;
  TChartMouse(const TChartMouse&) = delete;
  TChartMouse& operator=(const TChartMouse&) = delete;

  void MouseDown(TMouseButton button, int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  // `delta` in eighths of a degree, 120 to a notch, positive when the wheel
  // turns away from the user; parts of a notch add up.
  void MouseWheel(int delta);

  // Zooms every axis to the zoom record's rectangle, saving the ranges
  // first unless a saved set exists.
  void ZoomToRect();
  // Returns the axes to the saved ranges, if any, and forgets them.
  void RestoreZoom();
  // Scrolls the horizontal or the vertical axes so that the value under
  // pixel `oldPosition` moves to pixel `newPosition`. True when they took
  // a new range.
  bool ScrollAxes(bool horizontal, int newPosition, int oldPosition);

  // The zoom drag and the scroll drag.
  TZoomPanning Zoom;
  TZoomPanning Panning;
  // The ranges from before the first zoom or scroll (wheel notches
  // included), until a restore.
  std::optional<TSavedAxes> SavedAxes;
  bool Zoomed = false;

 protected:
  // The zoom rectangle was started, moved or ended.
  virtual void RubberBandChanged() {}

 private:
  enum class Part { Nothing, Legend, Axis, Title, Plot };

  Part ClickedPart(int x, int y) const;
  void StartDrag(TMouseButton button, int x, int y);
  void Pan(int x, int y);
  void WheelNotch(bool down);

  TCustomChart& chart_;
  long long wheelDelta_ = 0;
};

}  // namespace chart
