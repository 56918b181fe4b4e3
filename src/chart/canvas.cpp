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

}  // namespace chart
