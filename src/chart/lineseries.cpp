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

int TLineSeries::PointPixelX(int index) const { return GetHorizAxis()->ValueToPixel(XValues[index]); }

int TLineSeries::PointPixelY(int index) const { return GetVertAxis()->ValueToPixel(YValues[index]); }

void TLineSeries::DrawPoints(TChartCanvas3D& canvas) {
  if (FirstVisible < 0) return;
  for (int i = FirstVisible; i <= LastVisible; ++i) DrawPoint(canvas, i);
}

void TLineSeries::DrawPoint(TChartCanvas3D& canvas, int index) {
  const TColor color = PointColor(index);
  const int x = PointPixelX(index);
  const int y = PointPixelY(index);
  if (lastColor_ == clNone) {
    lastX_ = x;
    lastY_ = y;
  }
  if (index != FirstVisible) DrawSegmentTo(canvas, x, y, color);
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

void TLineSeries::HorizontalMargins(int& left, int& right) { left = right = EndMargin; }

void TLineSeries::VerticalMargins(int& top, int& bottom) { top = bottom = EndMargin; }

}  // namespace chart
