#include "chart/mouse.h"

#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"

namespace chart {

namespace {

// Right and bottom are outside, as for every rectangle of the chart.
bool Inside(const TRect& rect, int x, int y) {
  return rect.Left <= x && x < rect.Right && rect.Top <= y && y < rect.Bottom;
}

// An axis is hit on its line and its ticks: along its pixels, and across
// from the axis line to where its labels begin.
bool AxisClicked(const TChartAxis& axis, int x, int y) {
  const int along = axis.Horizontal() ? x : y;
  const int across = axis.Horizontal() ? y : x;
  if (along < axis.Scale().First() || along > axis.Scale().Last()) return false;
  // Taken by value: minmax of two values returns references to them.
  const auto [low, high] = std::minmax({axis.AxisPosition(), axis.LabelsPosition()});
  return low <= across && across <= high;
}

bool TitleClicked(const TChartTitle& title, int x, int y) {
  return title.Visible && !title.Text.empty() && Inside(title.ShapeRect, x, y);
}

// Longer than `minimum` pixels, whatever the direction.
bool Exceeds(int from, int to, int minimum) {
  return std::llabs(static_cast<long long>(to) - from) > minimum;
}

}  // namespace

TChartMouse::TChartMouse(TCustomChart& chart) : chart_(chart) {}

TChartMouse::Part TChartMouse::ClickedPart(int x, int y) const {
  // The legend's box holds nothing but its rows.
  if (chart_.LegendIsDrawn() && Inside(chart_.Legend.ShapeRect, x, y)) return Part::Legend;
  for (TChartAxis* axis : chart_.Axes()) {
    if (chart_.AxisIsShown(*axis) && AxisClicked(*axis, x, y)) return Part::Axis;
  }
  if (TitleClicked(chart_.Title, x, y)) return Part::Title;
  if (chart_.CountActiveSeries() > 0 && Inside(chart_.ChartRect, x, y)) return Part::Plot;
  return Part::Nothing;
}

// Drags start on the plot and on the axes; the legend and the titles, and
// the panel around them, take no drag.
void TChartMouse::MouseDown(TMouseButton button, int x, int y) {
  if (Zoom.Active || Panning.Active) return;
  const Part part = ClickedPart(x, y);
  if (part == Part::Axis || part == Part::Plot) StartDrag(button, x, y);
}

void TChartMouse::StartDrag(TMouseButton button, int x, int y) {
  if (button == mbLeft) {
    Zoom.Activate(x, y);
    RubberBandChanged();
  }
  if (button == mbRight) Panning.Activate(x, y);
}

void TChartMouse::MouseMove(int x, int y) {
  if (Zoom.Active) {
    if (x == Zoom.X1 && y == Zoom.Y1) return;
    Zoom.X1 = x;
    Zoom.Y1 = y;
    RubberBandChanged();
  } else if (Panning.Active) {
    Pan(x, y);
  }
}

void TChartMouse::Pan(int x, int y) {
  if (!Inside(chart_.ChartRect, x, y)) {
    Panning.Active = false;
    return;
  }
  if (x == Panning.X1 && y == Panning.Y1) return;
  if (!SavedAxes) SavedAxes = SaveAxes(chart_);
  // Each step moves the content from the last mouse position to this one,
  // so it stays under the mouse whichever way the drag turns.
  const bool horizontal = ScrollAxes(true, x, Panning.X1);
  const bool vertical = ScrollAxes(false, y, Panning.Y1);
  Panning.X1 = x;
  Panning.Y1 = y;
  if (!horizontal && !vertical) return;
  chart_.Invalidate();
}

bool TChartMouse::ScrollAxes(bool horizontal, int newPosition, int oldPosition) {
  if (newPosition == oldPosition) return false;
  for (TChartAxis* axis : chart_.Axes()) {
    if (axis->Horizontal() != horizontal) continue;
    const double d = axis->PixelToValue(oldPosition) - axis->PixelToValue(newPosition);
    axis->SetRange(axis->Minimum() + d, axis->Maximum() + d);
  }
  return true;
}

void TChartMouse::MouseUp(TMouseButton button, int x, int y) {
  if (Zoom.Active && button == mbLeft) {
    Zoom.Active = false;
    RubberBandChanged();
    Zoom.X1 = x;
    Zoom.Y1 = y;
    if (Exceeds(Zoom.X0, Zoom.X1, ZoomMinimumPixels) &&
        Exceeds(Zoom.Y0, Zoom.Y1, ZoomMinimumPixels)) {
      if (Zoom.X1 > Zoom.X0 && Zoom.Y1 > Zoom.Y0) ZoomToRect();
      else RestoreZoom();
      chart_.Invalidate();
    }
  }
  Panning.Active = false;
}

void TChartMouse::ZoomToRect() {
  Zoom.Check();
  struct Range {
    TChartAxis* Axis;
    double Minimum;
    double Maximum;
  };
  // Every new range is read off the scales before any axis changes; the
  // upper pixel is the larger value on a vertical axis.
  auto horizontal = [&](TChartAxis& axis) {
    return Range{&axis, axis.PixelToValue(Zoom.X0), axis.PixelToValue(Zoom.X1)};
  };
  auto vertical = [&](TChartAxis& axis) {
    return Range{&axis, axis.PixelToValue(Zoom.Y1), axis.PixelToValue(Zoom.Y0)};
  };
  const std::array<Range, 4> ranges = {vertical(chart_.LeftAxis), vertical(chart_.RightAxis),
                                       horizontal(chart_.TopAxis),
                                       horizontal(chart_.BottomAxis)};
  if (!SavedAxes) SavedAxes = SaveAxes(chart_);
  for (const Range& r : ranges) r.Axis->SetRange(r.Minimum, r.Maximum);
  Zoomed = true;
}

void TChartMouse::RestoreZoom() {
  if (SavedAxes) {
    RestoreAxes(chart_, *SavedAxes);
    SavedAxes.reset();
  }
  chart_.Invalidate();
  Zoomed = false;
}

void TChartMouse::MouseWheel(int delta) {
  constexpr long long kNotch = 120;
  wheelDelta_ += delta;
  while (wheelDelta_ >= kNotch || wheelDelta_ <= -kNotch) {
    const bool down = wheelDelta_ < 0;
    wheelDelta_ += down ? kNotch : -kNotch;
    WheelNotch(down);
  }
}

void TChartMouse::WheelNotch(bool down) {
  // Like a drag's scroll, so that a restore can undo it: otherwise one
  // notch would fix the vertical axes for good.
  if (!SavedAxes) SavedAxes = SaveAxes(chart_);
  for (TChartAxis* axis : chart_.Axes()) {
    if (axis->Horizontal()) continue;
    const double d = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
    axis->ScrollBy(down ? d : -d);
  }
}

}  // namespace chart
