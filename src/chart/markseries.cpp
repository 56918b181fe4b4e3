#include "chart/markseries.h"

#include <algorithm>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/canvas.h"

namespace chart {

TMarkSeries::TMarkSeries() {
  XValues.Order = loNone;
  ShowInLegend = false;
}

void TMarkSeries::DrawPoints(TChartCanvas3D& canvas) {
  if (FirstVisible < 0) return;
  canvas.AssignFont(Font);
  canvas.SetTextAlign(taCenterAlign | taBottom);
  canvas.ClearBrush();
  canvas.SetBackMode(bmTransparent);
  std::vector<TRect> labelled;
  for (int i = FirstVisible; i <= LastVisible; ++i) {
    const int x = GetHorizAxis()->ValueToPixel(XValues[i]);
    const int y = GetVertAxis()->ValueToPixel(YValues[i]);
    canvas.AssignPen(TChartPen{}, PointColor(i));
    if (CrossSize > 0) {
      canvas.StraightLine(x - CrossSize, y, x + CrossSize + 1, y);
      canvas.StraightLine(x, y - CrossSize, x, y + CrossSize + 1);
    }
    // A label that would cover one drawn before it is left out: points
    // added first keep theirs.
    const std::string label = PointLabel(i);
    const TRect box = AlignedTextBox(taCenterAlign | taBottom, x, y - CrossSize - 1,
                                     canvas.TextWidth(label), canvas.TextHeight(label));
    const auto covers = [&box](const TRect& other) {
      return box.Left < other.Right && other.Left < box.Right && box.Top < other.Bottom &&
             other.Top < box.Bottom;
    };
    if (std::any_of(labelled.begin(), labelled.end(), covers)) continue;
    labelled.push_back(box);
    canvas.TextOutAt(x, y - CrossSize - 1, label);
  }
}

void TMarkSeries::DrawLegendSymbol(TChartCanvas3D& canvas, int index, const TRect& rect) {
  canvas.AssignPen(TChartPen{}, index < 0 ? SeriesColor : PointColor(index));
  const int x = (rect.Left + rect.Right) / 2;
  const int y = (rect.Top + rect.Bottom) / 2;
  canvas.StraightLine(x - CrossSize, y, x + CrossSize + 1, y);
  canvas.StraightLine(x, y - CrossSize, x, y + CrossSize + 1);
}

// A label is a few characters wide and one line high; these keep the outer
// labels inside the plot at the default font.
void TMarkSeries::HorizontalMargins(int& left, int& right) { left = right = 12; }

void TMarkSeries::VerticalMargins(int& top, int& bottom) {
  top = 16;
  bottom = CrossSize + 1;
}

}  // namespace chart
