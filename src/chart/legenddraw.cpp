#include "chart/chart.h"
#include "chart/legend.h"
#include "chart/legendtext.h"
#include "chart/series.h"

namespace chart {

void TChartLegend::DrawBox(TChartCanvas3D& canvas) const {
  if (Transparent) return;
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

  int textX = layout.TextX + offset;
  int y = ShapeRect.Top + 1 + layout.ItemHeight * row + VertSpacing / 2;
  int symbolX = layout.SymbolX + offset;
  if (OnGetLegendPos) OnGetLegendPos(item.Number, textX, y, symbolX);

  TChartFont font = Font;
  if (FontSeriesColor) {
    font.Color = item.Index >= 0 ? item.Series->PointColor(item.Index) : item.Series->SeriesColor;
  }
  canvas.AssignFont(font);
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

  TRect symbol{symbolX, y, symbolX + layout.SymbolWidth, y + layout.ItemHeight + 1};
  // Continuous symbols keep the insets only at the ends of the column.
  if (!Symbol.Continuous || row == 0) symbol.Top += 2;
  if (!Symbol.Continuous || row == layout.Rows - 1) symbol.Bottom -= VertSpacing + 3;
  if (layout.SymbolWidth > 0) DrawSymbol(canvas, item, symbol);

  if (slot > 0 && DividingLines.Visible) {
    canvas.AssignPen(DividingLines);
    if (Alignment == laLeft || Alignment == laRight) {
      canvas.HorizontalLine(ShapeRect.Left, ShapeRect.Right, y - VertSpacing / 2);
    } else if (column > 0) {
      const int lineX = ShapeRect.Left + offset + 2;
      canvas.VerticalLine(lineX, ShapeRect.Top, ShapeRect.Bottom);
    }
  }
}

void TChartLegend::DrawSymbol(TChartCanvas3D& canvas, const Item& item, const TRect& rect) const {
  TChartSeries& series = *item.Series;
  const TColor color = item.Index >= 0 ? series.PointColor(item.Index) : series.SeriesColor;
  if (color == clNone) return;
  canvas.SetBrushColor(color);
  canvas.SetBrushStyle(bsSolid);
  // With the default pen the series selects its own; this one is the
  // element pen that a series without a line pen draws with.
  canvas.AssignPen(Symbol.DefaultPen ? TChartPen{} : Symbol.Pen);
  series.DrawLegendSymbol(canvas, item.Index, rect);
}

}  // namespace chart
