#include "chart/lineseries.h"


#include "chart/axis.h"
#include "chart/chart.h"

namespace chart {

THorizLineSeries::THorizLineSeries() {
  MandatoryList = &XValues;
  PositionList = &YValues;
  YIsMandatory = false;
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
  if (lastColor_ == clNone) {
    lastX_ = x;
    lastY_ = y;
  }
  const int first = DrawsForward() ? FirstVisible : LastVisible;
  if (index != first) DrawSegmentTo(canvas, x, y, color);
  lastX_ = x;
  lastY_ = y;
  lastColor_ = color;
}

void TLineSeries::DrawSegmentTo(TChartCanvas3D& canvas, int x, int y, TColor color) {
  if ((x == lastX_ && y == lastY_) || color == clNone) return;
  canvas.ClearBrush();
  canvas.AssignPen(LinePen, color);
  canvas.StraightLine(lastX_, lastY_, x, y);
}

void TLineSeries::DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect) {
  canvas.AssignPen(LinePen, index < 0 ? SeriesColor : PointColor(index));
  canvas.ClearBrush();
  canvas.HorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}

int TLineSeries::MarginFor(int pointerSize) const {
  return Pointer.Visible && Pointer.InflateMargins ? pointerSize + 1 : 0;
}

void TLineSeries::HorizontalMargins(int& left, int& right) {
  left = right = MarginFor(Pointer.HorizSize);
}

void TLineSeries::VerticalMargins(int& top, int& bottom) {
  top = bottom = MarginFor(Pointer.VertSize);
}

}  // namespace chart
