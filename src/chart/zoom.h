#pragma once

#include <array>

#include "chart/colors.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and mouse buttons held during a mouse event, one bit each.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;

// Whether `shift` holds every key and button of `required`.
constexpr bool HoldsAll(TShiftState shift, TShiftState required) {
  return (shift & required) == required;
}

enum TChartZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

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

struct TChartZoomBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsClear;
};

// The zoom settings and the drag that draws the zoom rectangle.
struct TChartZoom : TZoomPanning {
  bool Allow = true;
  TMouseButton MouseButton = mbLeft;
  // Keys that must be held as well.
  TShiftState KeyShift = 0;
  TChartZoomDirection Direction = tzdBoth;
  // A drag zooms only when it is longer than this both ways.
  int MinimumPixels = 16;
  // Zoom in AnimatedSteps repainted steps instead of at once.
  bool Animated = false;
  int AnimatedSteps = 8;
  TChartPen Pen{.Color = clWhite};
  TChartZoomBrush Brush;
};

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

// The zoom rectangle as it is drawn over the chart with the not-xor pen
// mode: the colours are chosen so that over the background `Color` the
// outline shows in the pen's colour and the fill in the brush's, and a
// second drawing restores the picture.
struct TZoomRubberBand {
  // Ordered; Right and Bottom exclusive.
  TRect Rect;
  bool Outlined = true;
  TColor PenColor = clBlack;
  int PenWidth = 1;
  bool Filled = false;
  TColor FillColor = clBlack;
};

TZoomRubberBand RubberBand(const TChartZoom& zoom, TColor background);

}  // namespace chart
