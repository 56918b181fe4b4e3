#include "chart/chart.h"
#include "chart/legend.h"
#include "chart/series.h"

namespace chart {

void TChartLegend::DrawBox(TChartCanvas3D& canvas) const {
  const TRect& box = ShapeRect;
  if (Shadow.HorizSize != 0 || Shadow.VertSize != 0) {
    const int frame = Frame.Visible ? Frame.Width : 0;
    const int dx = Shadow.HorizSize + frame;
    const int dy = Shadow.VertSize + frame;
    canvas.AssignPen(HiddenPen());
    canvas.SetBrushColor(Shadow.Color);
    canvas.SetBrushStyle(bsSolid);
    canvas.DrawRect(box.Left + dx, box.Top + dy, box.Right + dx, box.Bottom + dy);
  }
  canvas.AssignPen(Frame);
  canvas.SetBrushColor(Color);
  canvas.SetBrushStyle(Color == clNone ? bsClear : bsSolid);
  canvas.DrawRect(box);
  TRect ring = box;
  DrawBevel(canvas, Bevel, ring, BevelWidth);
}

void TChartLegend::DrawRow(TChartCanvas3D& canvas, const Layout& layout, const Item& item,
                           int row) const {
  canvas.SetBrushColor(Color);
  canvas.ClearBrush();
  const int y = ShapeRect.Top + 1 + layout.ItemHeight * row;

  canvas.AssignFont(Font);
  int x = layout.TextX;
  for (std::size_t c = 0; c < 2; ++c) {
    const std::string& text = item.Columns[c];
    const int width = layout.ColumnWidth[c];
    if (!text.empty()) {
      // A point's value stands right-aligned, so that the values line up.
      const bool alignRight = layout.Style == lsValues && c == 0;
      canvas.SetTextAlign((alignRight ? taRight : taLeft) | taTop);
      canvas.TextOutAt(alignRight ? x + width : x, y, text);
    }
    x += width + layout.SpaceWidth;
  }

  const TRect symbol{layout.SymbolX, y + 2, layout.SymbolX + layout.SymbolWidth,
                     y + layout.ItemHeight - 2};
  if (layout.SymbolWidth > 0) DrawSymbol(canvas, item, symbol);
}

void TChartLegend::DrawSymbol(TChartCanvas3D& canvas, const Item& item, const TRect& rect) const {
  TChartSeries& series = *item.Series;
  const TColor color = item.Index >= 0 ? series.PointColor(item.Index) : series.SeriesColor;
  if (color == clNone) return;
  canvas.SetBrushColor(color);
  canvas.SetBrushStyle(bsSolid);
  // The pen of a series without a line pen of its own.
  canvas.AssignPen(TChartPen{});
  series.DrawLegendSymbol(canvas, item.Index, rect);
}

}  // namespace chart
