#pragma once

#include <array>

#include "chart/colors.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A mouse drag from its start point (X0, Y0) to its current point (X1, Y1),
// in client pixels.
struct TZoomPanning {
  bool Active = false;
  int X0 = 0;
  int Y0 = 0;
  int X1 = 0;
  int Y1 = 0;

  // Starts a drag with both points at (x, y).
  void Activate(int x, int y);
  // Orders the points so that X0 <= X1 and Y0 <= Y1.
  void Check();
};

// A left drag zooms only when it is longer than this both ways.
inline constexpr int ZoomMinimumPixels = 16;

// The range of an axis as a zoom or scroll finds it.
struct TAxisSavedRange {
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
};

// The ranges of the bottom, top, left and right axes.
using TSavedAxes = std::array<TAxisSavedRange, 4>;

TSavedAxes SaveAxes(TCustomChart& chart);
// Gives every axis back its saved range: a fixed range is set again, and the
// automatic flags come back as they were.
void RestoreAxes(TCustomChart& chart, const TSavedAxes& saved);

// The zoom rectangle's outline as it is drawn over the chart with the
// not-xor pen mode: over the background the outline shows white, and a
// second drawing restores the picture.
struct TZoomRubberBand {
  // Ordered; Right and Bottom exclusive.
  TRect Rect;
  TColor PenColor = clBlack;
};

TZoomRubberBand RubberBand(const TZoomPanning& zoom, TColor background);

}  // namespace chart
