#include "chart/zoom.h"

#include <algorithm>
#include <utility>

#include "chart/chart.h"

namespace chart {

void TZoomPanning::Activate(int x, int y) {
  Active = true;
  X0 = X1 = x;
  Y0 = Y1 = y;
}

void TZoomPanning::Check() {
  if (X0 > X1) std::swap(X0, X1);
  if (Y0 > Y1) std::swap(Y0, Y1);
}

TSavedAxes SaveAxes(TCustomChart& chart) {
  TSavedAxes saved;
  const auto axes = chart.Axes();
  for (std::size_t i = 0; i < axes.size(); ++i) {
    const TChartAxis& axis = *axes[i];
    saved[i] = {axis.Automatic, axis.AutomaticMinimum, axis.AutomaticMaximum, axis.Minimum(),
                axis.Maximum()};
  }
  return saved;
}

void RestoreAxes(TCustomChart& chart, const TSavedAxes& saved) {
  const auto axes = chart.Axes();
  for (std::size_t i = 0; i < axes.size(); ++i) {
    TChartAxis& axis = *axes[i];
    const TAxisSavedRange& range = saved[i];
    // Setting the range turns every automatic flag off, so the flags are
    // given back after it: an axis fixed at one end only keeps its other
    // end automatic.
    if (!range.Automatic) axis.SetRange(range.Minimum, range.Maximum);
    axis.Automatic = range.Automatic;
    axis.AutomaticMinimum = range.AutomaticMinimum;
    axis.AutomaticMaximum = range.AutomaticMaximum;
  }
}

TZoomRubberBand RubberBand(const TZoomPanning& zoom, TColor background) {
  TZoomRubberBand band;
  band.Rect = {std::min(zoom.X0, zoom.X1), std::min(zoom.Y0, zoom.Y1),
               std::max(zoom.X0, zoom.X1), std::max(zoom.Y0, zoom.Y1)};
  // Not-xor paints ~(source ^ picture); over the background this gives
  // back the colour that was xored with the background's complement.
  band.PenColor = ColorToRGB(clWhite) ^ (0xFFFFFF - ColorToRGB(background));
  return band;
}

}  // namespace chart
