#include "chart/chart.h"
#include "chart/legend.h"
#include "chart/legendtext.h"
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
                           int slot) const {
  const int row = slot / layout.Columns;
  const int column = slot % layout.Columns;
  const int offset = column * layout.ColumnStep;
  canvas.SetBrushColor(Color);
  canvas.ClearBrush();

  const int textX = layout.TextX + offset;
  const int y = ShapeRect.Top + 1 + layout.ItemHeight * row + VertSpacing / 2;
  const int symbolX = layout.SymbolX + offset;

  canvas.AssignFont(Font);
  int x = textX;
  for (std::size_t c = 0; c < 2; ++c) {
    const std::string& text = item.Columns[c];
    const int width = layout.ColumnWidth[c];
    if (!text.empty()) {
      const bool alignRight =
          layout.Style != lsSeries && LegendColumnIsNumber(TextStyle, static_cast<int>(c));
      canvas.SetTextAlign((alignRight ? taRight : taLeft) | taTop);
      canvas.TextOutAt(alignRight ? x + width : x, y, text);
    }
    x += width + layout.SpaceWidth;
  }

  const TRect symbol{symbolX, y + 2, symbolX + layout.SymbolWidth,
                     y + layout.ItemHeight + 1 - VertSpacing - 3};
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
