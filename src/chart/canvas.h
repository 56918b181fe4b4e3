#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/graphics.h"

namespace chart {

// Text alignment flags of TextOutAt: x is the left edge, the right edge or
// the centre of the text; y its top or, with taBottom added, its bottom.
inline constexpr int taLeft = 0;
inline constexpr int taRight = 2;
inline constexpr int taCenterAlign = 6;
inline constexpr int taTop = 0;
inline constexpr int taBottom = 8;

// Text background modes.
inline constexpr int bmTransparent = 1;
inline constexpr int bmOpaque = 2;

// Every drawing of the chart goes through this surface.
//
// Pixel conventions: a line paints from its first point up to, but not
// including, its last; a rectangle's outline and fill exclude its right and
// bottom coordinates. Texts are UTF-8.
//
// The surface keeps a current pen, brush, font, text alignment and text
// background mode. Changing the brush makes the text background follow it
// at the next drawing call: a solid brush gives an opaque background in the
// brush colour, a clear brush a transparent one.
//
// Depth coordinates are accepted and ignored: the chart draws in 2D only.
class TChartCanvas3D {
 public:
  virtual ~TChartCanvas3D() = default;

  virtual void HorizontalLine(int x0, int x1, int y) = 0;
  void HorizontalLine(int x0, int x1, int y, int /*z*/) { HorizontalLine(x0, x1, y); }
  virtual void VerticalLine(int x, int y0, int y1) = 0;
  void VerticalLine(int x, int y0, int y1, int /*z*/) { VerticalLine(x, y0, y1); }
  virtual void StraightLine(int x0, int y0, int x1, int y1) = 0;
  virtual void DrawRect(int left, int top, int right, int bottom) = 0;
  void DrawRect(const TRect& r) { DrawRect(r.Left, r.Top, r.Right, r.Bottom); }
  virtual void TextOutAt(int x, int y, std::string_view text) = 0;
  void TextOutAt(int x, int y, int /*z*/, std::string_view text) { TextOutAt(x, y, text); }

  // Extents of a text in the current font, in pixels.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // The height of a line of the current font.
  int FontHeight() { return TextHeight("W"); }

  virtual void SetTextAlign(int flags) = 0;
  virtual void SetBackMode(int mode) = 0;

  // Selects a copy of the font, its size scaled by FontZoom per cent.
  void AssignFont(const TChartFont& font);
  // Selects the pen in its own colour or in the given one; an invisible pen
  // selects a pen that draws nothing.
  void AssignPen(const TChartPen& pen) { AssignPen(pen, pen.Color); }
  void AssignPen(const TChartPen& pen, TColor color);

  virtual void SetBrushColor(TColor color) = 0;
  virtual void SetBrushStyle(TBrushStyle style) = 0;
  void ClearBrush() { SetBrushStyle(bsClear); }

  // Narrows clipping to the rectangle (right and bottom exclusive) within
  // the clipping in force; RemoveClip returns to that clipping.
  virtual void ClipToRect(int left, int top, int right, int bottom) = 0;
  virtual void RemoveClip() = 0;

  // Per cent applied to font sizes by AssignFont.
  double FontZoom = 100;
  // Draws every pen and font in black.
  bool Monochrome = false;

 protected:
  // The font and pen as they are to be used, after zoom and monochrome.
  virtual void SelectFont(const TChartFont& font) = 0;
  virtual void SelectPen(const TChartPen& pen) = 0;
};

// Where a text of the given extent lies when drawn at (x, y) with the
// alignment flags of SetTextAlign.
TRect AlignedTextBox(int flags, int x, int y, int width, int height);

// The on and off runs, in pixels, of a one-pixel pen's dashes from its
// first pixel on; empty for a solid pen.
std::vector<int> CosmeticDashes(const TChartPen& pen);

// Outlines rect `width` times, top and left edges in one colour and bottom
// and right edges in the other, shrinking it by one pixel each time.
void Frame3D(TChartCanvas3D& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
// A bevel of `width` rings inside rect, lit at the top and left when raised
// and at the bottom and right when lowered; rect shrinks by the rings drawn.
void DrawBevel(TChartCanvas3D& canvas, TBevelCut cut, TRect& rect, int width);

}  // namespace chart
