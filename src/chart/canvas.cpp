#include "chart/canvas.h"

#include "chart/rounding.h"

namespace chart {

void TChartCanvas3D::AssignFont(const TChartFont& font) {
  TChartFont used = font;
  used.Size = Round(font.Size * FontZoom * 0.01);
  if (Monochrome) used.Color = clBlack;
  SelectFont(used);
}

void TChartCanvas3D::AssignPen(const TChartPen& pen, TColor color) {
  TChartPen used = pen;
  used.Color = Monochrome ? clBlack : color;
  if (!used.Visible) used.Style = psClear;
  SelectPen(used);
}

TRect AlignedTextBox(int flags, int x, int y, int width, int height) {
  int left = x;
  if ((flags & taCenterAlign) == taCenterAlign) left = x - width / 2;
  else if ((flags & taRight) == taRight) left = x - width;
  const int top = (flags & taBottom) != 0 ? y - height : y;
  return {left, top, left + width, top + height};
}

std::vector<int> CosmeticDashes(const TChartPen& pen) {
  if (pen.SmallDots) return {1, 1};
  switch (pen.Style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

void Frame3D(TChartCanvas3D& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  TChartPen pen;
  for (int i = 0; i < width; ++i) {
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    pen.Color = topColor;
    canvas.AssignPen(pen);
    canvas.VerticalLine(rect.Left, bottom, rect.Top);
    canvas.HorizontalLine(rect.Left, right, rect.Top);
    pen.Color = bottomColor;
    canvas.AssignPen(pen);
    canvas.VerticalLine(right, rect.Top, bottom);
    canvas.HorizontalLine(right, rect.Left - 1, bottom);
    rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
  }
}

void DrawBevel(TChartCanvas3D& canvas, TBevelCut cut, TRect& rect, int width) {
  if (cut == bvNone) return;
  const bool raised = cut == bvRaised;
  Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow,
          raised ? clBtnShadow : clBtnHighlight, width);
}

}  // namespace chart
