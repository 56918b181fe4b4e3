#include "chart/chart.h"

#include <algorithm>


namespace chart {

namespace {

// Turns repainting off for the length of a draw, so that setters called
// while drawing do not ask for another paint.
class RepaintPause {
 public:
  explicit RepaintPause(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
  ~RepaintPause() { flag_ = saved_; }
  RepaintPause(const RepaintPause&) = delete;
  RepaintPause& operator=(const RepaintPause&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

TCustomChart::TCustomChart() { repaintEnabled_ = true; }

TCustomChart::~TCustomChart() = default;

void TCustomChart::AdoptSeries(std::unique_ptr<TChartSeries> series) {
  series->parentChart_ = this;
  if (series->SeriesColor == clTeeColor) series->SeriesColor = PaletteColor(SeriesCount());
  seriesList_.push_back(std::move(series));
  Invalidate();
}

int TCustomChart::CountActiveSeries() const {
  return static_cast<int>(std::count_if(seriesList_.begin(), seriesList_.end(),
                                        [](const auto& s) { return s->Active; }));
}

bool TCustomChart::LegendIsDrawn() const {
  return Legend.Visible && CountActiveSeries() > 0;
}

bool TCustomChart::AxisIsShown(const TChartAxis& axis) const {
  if (!AxisVisible) return false;
  if (seriesList_.empty()) return true;
  for (const auto& series : seriesList_) {
    if (!series->Active) continue;
    if (series->UsesAxis(axis)) return true;
  }
  return CountActiveSeries() == 0;
}

double TCustomChart::AxisDataMinMax(const TChartAxis& axis, bool isMinimum, bool isX) const {
  // Inactive series count only when no active one uses the axis.
  const bool withInactive = std::none_of(
      seriesList_.begin(), seriesList_.end(),
      [&](const auto& s) { return s->Active && s->UsesAxis(axis); });
  double result = 0;
  bool found = false;
  for (const auto& series : seriesList_) {
    if (!series->Active && !withInactive) continue;
    if (series->Count() == 0) continue;
    const bool bound = isX ? series->HorizAxis == aBothHorizAxis || series->GetHorizAxis() == &axis
                           : series->VertAxis == aBothVertAxis || series->GetVertAxis() == &axis;
    if (!bound) continue;
    const double v = isMinimum ? (isX ? series->MinX() : series->MinY())
                               : (isX ? series->MaxX() : series->MaxY());
    if (!found || (isMinimum ? v < result : v > result)) result = v;
    found = true;
  }
  return result;
}

void TCustomChart::Invalidate() {
  if (!repaintEnabled_) return;
  BufferStale = true;
  InvalidateWindow();
}

void TCustomChart::PaintTo(TChartCanvas3D& canvas, const TRect& rect) {
  ChartBounds = rect;
  CalcChartRectFromBounds();
  RecalcWidthHeight();
  DrawSequence(canvas);
}

void TCustomChart::CalcChartRectFromBounds() {
  const int w = ChartBounds.Width();
  const int h = ChartBounds.Height();
  const int extra = BevelOuter != bvNone ? BevelWidth : 0;
  // The margins are per cent of the size.
  auto pixels = [](int margin, int size) { return margin * size / 100; };
  ChartRect = {ChartBounds.Left + extra + pixels(MarginLeft, w),
               ChartBounds.Top + extra + pixels(MarginTop, h),
               ChartBounds.Right - extra - pixels(MarginRight, w),
               ChartBounds.Bottom - extra - pixels(MarginBottom, h)};
}

void TCustomChart::RecalcWidthHeight() {
  ChartRect.Left = std::max(ChartRect.Left, ChartBounds.Left);
  ChartRect.Top = std::max(ChartRect.Top, ChartBounds.Top);
  if (ChartRect.Left > ChartRect.Right) ChartRect.Right = ChartRect.Left + 1;
  else if (ChartRect.Left == ChartRect.Right) ChartRect.Right = ChartRect.Left + ChartBounds.Width();
  if (ChartRect.Top > ChartRect.Bottom) ChartRect.Bottom = ChartRect.Top + 1;
  else if (ChartRect.Top == ChartRect.Bottom) ChartRect.Bottom = ChartRect.Top + ChartBounds.Height();
  ChartWidth = ChartRect.Width();
  ChartHeight = ChartRect.Height();
  ChartXCenter = (ChartRect.Left + ChartRect.Right) / 2;
  ChartYCenter = (ChartRect.Top + ChartRect.Bottom) / 2;
}

void TCustomChart::DrawSequence(TChartCanvas3D& canvas) {
  RepaintPause pause(repaintEnabled_);
  DrawPanel(canvas);
  DrawTitlesAndLegend(canvas);
  CalcAxesSpace(canvas);
  DrawWalls(canvas);
  DrawAxes(canvas);
  DrawAllSeries(canvas);
}

void TCustomChart::DrawPanel(TChartCanvas3D& canvas) {
  if (Color != clNone) {
    canvas.AssignPen(HiddenPen());
    canvas.SetBrushColor(Color);
    canvas.SetBrushStyle(bsSolid);
    canvas.DrawRect(ChartBounds);
  }
  TRect rect = ChartBounds;
  DrawBevel(canvas, BevelOuter, rect, BevelWidth);
}

void TCustomChart::DrawTitlesAndLegend(TChartCanvas3D& canvas) {
  if (LegendIsDrawn()) Legend.Draw(*this, canvas);
  Title.Draw(*this, canvas);
}

void TCustomChart::CalcAxesSpace(TChartCanvas3D& canvas) {
  for (TChartAxis* axis : Axes()) axis->AdjustRange();
  for (TChartAxis* axis : Axes()) axis->ComputePixelRange();
  TRect running = ChartRect;
  for (TChartAxis* axis : Axes()) {
    if (!AxisIsShown(*axis)) continue;
    TRect shrunk = running;
    axis->ReserveSpace(canvas, shrunk);
    const TRect overlap{std::max(shrunk.Left, running.Left), std::max(shrunk.Top, running.Top),
                        std::min(shrunk.Right, running.Right),
                        std::min(shrunk.Bottom, running.Bottom)};
    if (overlap.Left < overlap.Right && overlap.Top < overlap.Bottom) running = overlap;
  }
  ChartRect = running;
  RecalcWidthHeight();
  for (TChartAxis* axis : Axes()) axis->ComputePixelRange();
  for (TChartAxis* axis : Axes()) ApplySeriesMargins(*axis);

  // The bands were measured over the lengths the axes had before the other
  // bands were taken; the labels are drawn with the steps of the final
  // lengths, which may need a wider band. Widening a vertical axis's band
  // changes only the horizontal lengths, whose bands keep their height, so
  // one more pass settles the layout.
  bool widened = false;
  for (TChartAxis* axis : Axes()) {
    if (AxisIsShown(*axis) && axis->WidenLabelBand(canvas, ChartRect)) widened = true;
  }
  if (!widened) return;
  RecalcWidthHeight();
  for (TChartAxis* axis : Axes()) {
    axis->AdjustRange();
    axis->ComputePixelRange();
    ApplySeriesMargins(*axis);
  }
}

void TCustomChart::ApplySeriesMargins(TChartAxis& axis) {
  // Pixels kept free before (left or top) and after (right or bottom) the
  // range, at the ends that follow the data.
  int before = 0;
  int after = 0;
  for (const auto& series : seriesList_) {
    if (!series->Active || !series->UsesAxis(axis)) continue;
    int a = 0;
    int b = 0;
    if (axis.Horizontal()) {
      series->HorizontalMargins(a, b);
      if (axis.AutomaticMinimum) before = std::max(before, a);
      if (axis.AutomaticMaximum) after = std::max(after, b);
    } else {
      series->VerticalMargins(a, b);
      if (axis.AutomaticMaximum) before = std::max(before, a);
      if (axis.AutomaticMinimum) after = std::max(after, b);
    }
  }
  axis.ApplyMargins(before, after);
}

void TCustomChart::DrawWalls(TChartCanvas3D& canvas) {
  // The plot's frame, over the panel's background.
  canvas.AssignPen(TChartPen{});
  canvas.ClearBrush();
  // One past the plot, so the frame's right and bottom lines lie on
  // ChartRect's right and bottom.
  canvas.DrawRect(ChartRect.Left, ChartRect.Top, ChartRect.Right + 1, ChartRect.Bottom + 1);
}

void TCustomChart::DrawAxes(TChartCanvas3D& canvas) {
  if (!AxisVisible) return;
  for (TChartAxis* axis : Axes()) {
    if (AxisIsShown(*axis)) axis->DrawAxis(canvas);
  }
}

void TCustomChart::DrawAllSeries(TChartCanvas3D& canvas) {
  for (const auto& series : seriesList_) {
    if (!series->Active) continue;
    series->CalcFirstLastVisibleIndex();
    if (series->FirstVisible < 0) continue;
    canvas.ClipToRect(ChartRect.Left, ChartRect.Top, ChartRect.Right, ChartRect.Bottom + 1);
    series->DrawPoints(canvas);
    canvas.RemoveClip();
  }
}

}  // namespace chart
