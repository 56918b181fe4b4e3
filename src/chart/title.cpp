#include "chart/title.h"

#include <algorithm>

#include "chart/chart.h"

namespace chart {

namespace {

// The room of a one-pixel frame around the text, kept although no frame
// is drawn: the layout of the plot counts on it.
constexpr int kFrame = 1;
// Pixels between the title's block and the plot.
constexpr int kGap = 5;

}  // namespace

TChartTitle::TChartTitle() { Font.Color = clBlue; }

void TChartTitle::Draw(TCustomChart& chart, TChartCanvas3D& canvas) {
  if (!Visible || Text.empty()) return;
  const int lines = static_cast<int>(Text.size());
  canvas.AssignFont(Font);
  const int lh = canvas.FontHeight();
  const TRect& plot = chart.ChartRect;
  const int top = plot.Top + kFrame;
  ShapeRect = {plot.Left - kFrame, top - kFrame, plot.Right + kFrame, top + lines * lh + kFrame};

  // The block is only as wide as the widest line and a "W", centred.
  const int cw = canvas.TextWidth("W");
  int widest = 0;
  for (const std::string& line : Text) widest = std::max(widest, canvas.TextWidth(line));
  const int width = widest + cw + kFrame;
  const int centre = (ShapeRect.Left + ShapeRect.Right) / 2;
  ShapeRect.Left = centre - width / 2;
  ShapeRect.Right = centre + width / 2;

  canvas.ClearBrush();
  canvas.SetBackMode(bmTransparent);
  canvas.SetTextAlign(taLeft | taTop);
  for (int i = 0; i < lines; ++i) {
    const std::string& line = Text[static_cast<std::size_t>(i)];
    const int x = (ShapeRect.Left + ShapeRect.Right) / 2 - canvas.TextWidth(line) / 2;
    canvas.TextOutAt(x, ShapeRect.Top + kFrame + i * lh, line);
  }

  chart.ChartRect.Top = ShapeRect.Bottom + kGap + kFrame;
  chart.RecalcWidthHeight();
}

}  // namespace chart
