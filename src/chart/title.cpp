#include "chart/title.h"

#include <algorithm>

#include "chart/chart.h"

namespace chart {

TChartTitle::TChartTitle(bool top) : top_(top) {
  if (top) {
    Font.Color = clBlue;
  } else {
    Font.Color = clRed;
    Font.Style.Italic = true;
  }
}

int TChartTitle::FrameWidth() const {
  if (Bevel != bvNone) return BevelWidth;
  return Frame.Visible && Frame.Color != clTeeColor ? Frame.Width : 0;
}

void TChartTitle::DrawShape(TChartCanvas3D& canvas) const {
  if (Transparent) return;
  if (Shadow.HorizSize != 0 || Shadow.VertSize != 0) {
    canvas.AssignPen(HiddenPen());
    canvas.SetBrushColor(Shadow.Color);
    canvas.SetBrushStyle(bsSolid);
    canvas.DrawRect(ShapeRect.Left + Shadow.HorizSize, ShapeRect.Top + Shadow.VertSize,
                    ShapeRect.Right + Shadow.HorizSize, ShapeRect.Bottom + Shadow.VertSize);
  }
  canvas.AssignPen(Frame);
  canvas.SetBrushColor(Color);
  canvas.SetBrushStyle(bsSolid);
  canvas.DrawRect(ShapeRect);
}

void TChartTitle::Draw(TCustomChart& chart, TChartCanvas3D& canvas) {
  if (!Visible || Text.empty()) return;
  const int f = FrameWidth();
  const int lines = static_cast<int>(Text.size());
  ShapeRect = chart.ChartRect;
  if (top_) ShapeRect.Top += f;
  canvas.AssignFont(Font);
  const int lh = canvas.FontHeight();
  if (top_) ShapeRect.Bottom = ShapeRect.Top + lines * lh;
  else ShapeRect.Top = ShapeRect.Bottom - lines * lh;
  ShapeRect = {ShapeRect.Left - f, ShapeRect.Top - f, ShapeRect.Right + f, ShapeRect.Bottom + f};

  const int cw = canvas.TextWidth("W");
  if (AdjustFrame) {
    int widest = 0;
    for (const std::string& line : Text) widest = std::max(widest, canvas.TextWidth(line));
    const int width = widest + cw + f;
    switch (Alignment) {
      case taLeftJustify:
        ShapeRect.Right = ShapeRect.Left + width;
        break;
      case taRightJustify:
        ShapeRect.Left = ShapeRect.Right - width;
        break;
      case taCenter: {
        const int centre = (ShapeRect.Left + ShapeRect.Right) / 2;
        ShapeRect.Left = centre - width / 2;
        ShapeRect.Right = centre + width / 2;
        break;
      }
    }
  }
  DrawShape(canvas);

  canvas.AssignFont(Font);
  canvas.ClearBrush();
  canvas.SetBackMode(bmTransparent);
  canvas.SetTextAlign(taLeft | taTop);
  for (int i = 0; i < lines; ++i) {
    const std::string& line = Text[static_cast<std::size_t>(i)];
    const int y = top_ ? ShapeRect.Top + f + i * lh : ShapeRect.Bottom - lh - f - i * lh;
    int x;
    switch (Alignment) {
      case taLeftJustify:
        x = ShapeRect.Left + cw / 2;
        break;
      case taRightJustify:
        x = ShapeRect.Right - canvas.TextWidth(line) - cw / 2;
        break;
      default:
        x = (ShapeRect.Left + ShapeRect.Right) / 2 - canvas.TextWidth(line) / 2;
        break;
    }
    canvas.TextOutAt(x, y, line);
  }

  const int gap = 5 + f + (Transparent ? 0 : Shadow.VertSize);
  if (top_) chart.ChartRect.Top = ShapeRect.Bottom + gap;
  else chart.ChartRect.Bottom = ShapeRect.Bottom - gap - lines * lh;
  chart.RecalcWidthHeight();
}

}  // namespace chart
