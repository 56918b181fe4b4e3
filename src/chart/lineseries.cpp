#include "chart/lineseries.h"

#include <algorithm>

#include "chart/axis.h"
#include "chart/chart.h"

namespace chart {

THorizLineSeries::THorizLineSeries() {
  MandatoryList = &XValues;
  PositionList = &YValues;
  YIsMandatory = false;
  ClipToAxisRange = false;
  XValues.Order = loNone;
  YValues.Order = loAscending;
}

bool TLineSeries::DrawsForward() const {
  // The points run along the axis of the positions; an inverted one is
  // walked from its other end.
  const TChartAxis* positions = YIsMandatory ? GetHorizAxis() : GetVertAxis();
  return positions == nullptr || !positions->Inverted;
}

int TLineSeries::PointPixelX(int index) const { return GetHorizAxis()->ValueToPixel(XValues[index]); }

int TLineSeries::PointPixelY(int index) const { return GetVertAxis()->ValueToPixel(YValues[index]); }

void TLineSeries::DrawPoints(TChartCanvas3D& canvas) {
  if (OutLine.Visible) {
    const TChartPen pen = LinePen;
    const TColor color = SeriesColor;
    LinePen.Width = pen.Width + OutLine.Width + 2;
    SeriesColor = OutLine.Color;
    DrawAllPoints(canvas);
    LinePen = pen;
    SeriesColor = color;
  }
  DrawAllPoints(canvas);
}

void TLineSeries::DrawAllPoints(TChartCanvas3D& canvas) {
  if (FirstVisible < 0) return;
  if (DrawsForward()) {
    for (int i = FirstVisible; i <= LastVisible; ++i) DrawPoint(canvas, i);
  } else {
    for (int i = LastVisible; i >= FirstVisible; --i) DrawPoint(canvas, i);
  }
}

void TLineSeries::DrawPoint(TChartCanvas3D& canvas, int index) {
  const TColor color = PointColor(index);
  const int x = PointPixelX(index);
  const int y = PointPixelY(index);
  if (LastColor == clNone) {
    LastX = x;
    LastY = y;
  }
  const int first = DrawsForward() ? FirstVisible : LastVisible;
  if (index != first) DrawSegmentTo(canvas, x, y, color);
  LastX = x;
  LastY = y;
  LastColor = color;
}

void TLineSeries::DrawSegmentTo(TChartCanvas3D& canvas, int x, int y, TColor color) {
  if ((x == LastX && y == LastY) || color == clNone) return;
  canvas.ClearBrush();
  canvas.AssignPen(LinePen, ColorEachLine ? color : SeriesColor);
  canvas.StraightLine(LastX, LastY, x, y);
}

void TLineSeries::DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect) {
  const bool defaultPen = ParentChart() == nullptr || ParentChart()->Legend.Symbol.DefaultPen;
  if (defaultPen) {
    canvas.AssignPen(LinePen, index < 0 ? SeriesColor : PointColor(index));
    canvas.ClearBrush();
  }
  canvas.HorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}

int TLineSeries::MarginFor(int pointerSize) const {
  int margin = Pointer.Visible && Pointer.InflateMargins ? pointerSize + 1 : 0;
  if (OutLine.Visible) margin = std::max(margin, OutLine.Width);
  return margin;
}

void TLineSeries::HorizontalMargins(int& left, int& right) {
  left = right = MarginFor(Pointer.HorizSize);
}

void TLineSeries::VerticalMargins(int& top, int& bottom) {
  top = bottom = MarginFor(Pointer.VertSize);
}

}  // namespace chart
