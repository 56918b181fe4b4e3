#include <algorithm>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/rounding.h"
#include "numtext/numtext.h"

namespace chart {

int TChartAxis::TickAreaSize() const {
  int size = (Axis.Visible ? Axis.Width + 1 : 0) + (Ticks.Visible ? TickLength : 0);
  if (MinorTicks.Visible) size = std::max(size, MinorTickLength);
  return size;
}

bool TChartAxis::HasValueLabels() const {
  for (int i = 0; i < chart_.SeriesCount(); ++i) {
    const TChartSeries& series = chart_.Series(i);
    if (series.Active && series.UsesAxis(*this)) return true;
  }
  return false;
}

int TChartAxis::FewestPositions() const {
  int fewest = INT_MAX;
  for (int i = 0; i < chart_.SeriesCount(); ++i) {
    const TChartSeries& series = chart_.Series(i);
    const bool positionsAlong = series.YIsMandatory == horizontal_;
    if (!series.Active || !positionsAlong || !series.UsesAxis(*this)) continue;
    fewest = std::min(fewest, series.Count());
  }
  return fewest;
}

std::string TChartAxis::LabelText(double value) const {
  return numtext::FormatFloat(AxisValuesFormat, value);
}

int TChartAxis::LabelExtentAlong(TChartCanvas3D& canvas, double value) const {
  const std::string text = LabelText(value);
  if (text.empty()) return 0;
  // Vertical axes stack their labels, so a label's height is its extent.
  return horizontal_ ? canvas.TextWidth(text) : canvas.FontHeight();
}

double TChartAxis::LabelStep(TChartCanvas3D& canvas) {
  canvas.AssignFont(LabelsFont);
  const int extent =
      std::max(LabelExtentAlong(canvas, scale_.Low()), LabelExtentAlong(canvas, scale_.High()));
  const int count = LabelsThatFit(scale_.Length(), extent, LabelsSeparation);
  return LabelStepForCount(count, {.Span = scale_.Span(),
                                   .Increment = increment_,
                                   .FewestPositions = FewestPositions(),
                                   .Separation = LabelsSeparation});
}

int TChartAxis::WidestLabel(TChartCanvas3D& canvas) {
  if (!HasValueLabels()) return 0;
  canvas.AssignFont(LabelsFont);
  const double step = LabelStep(canvas);
  const double a = Int(scale_.Low() / step) * step;
  const double b = Int(scale_.High() / step) * step;
  return std::max(canvas.TextWidth(LabelText(a)), canvas.TextWidth(LabelText(b))) +
         canvas.TextWidth(" ");
}

int TChartAxis::LabelsExtent(TChartCanvas3D& canvas) {
  canvas.AssignFont(LabelsFont);
  return horizontal_ ? canvas.FontHeight() : WidestLabel(canvas);
}

int TChartAxis::SideOf(const TRect& rect) const {
  if (horizontal_) return otherSide_ ? rect.Top : rect.Bottom;
  return otherSide_ ? rect.Right : rect.Left;
}

void TChartAxis::TakeOff(TRect& rect, int size) const {
  if (horizontal_) {
    if (otherSide_) rect.Top += size;
    else rect.Bottom -= size;
  } else {
    if (otherSide_) rect.Right -= size;
    else rect.Left += size;
  }
}

void TChartAxis::ReserveSpace(TChartCanvas3D& canvas, TRect& rect) {
  if (!Title.empty()) {
    canvas.AssignFont(LabelsFont);
    const int line = canvas.FontHeight();
    // A vertical axis's title stands clear of its top label, which reaches
    // half a line above the plot.
    if (horizontal_) TakeOff(rect, line);
    else rect.Top += line + line / 2 + 1;
  }
  labelBand_ = LabelsExtent(canvas);
  TakeOff(rect, labelBand_);
  labelsPosition_ = SideOf(rect);
  const int ticks = TickAreaSize();
  if (ticks > 0) TakeOff(rect, ticks);
}

bool TChartAxis::WidenLabelBand(TChartCanvas3D& canvas, TRect& plot) {
  const int extra = LabelsExtent(canvas) - labelBand_;
  if (extra <= 0) return false;
  TRect narrower = plot;
  TakeOff(narrower, extra);
  if (narrower.Left >= narrower.Right || narrower.Top >= narrower.Bottom) return false;
  plot = narrower;
  labelBand_ += extra;
  // The labels' inner edge moves inwards with the plot's side.
  const bool inwardPositive = horizontal_ ? otherSide_ : !otherSide_;
  labelsPosition_ += inwardPositive ? extra : -extra;
  return true;
}

void TChartAxis::DrawAxis(TChartCanvas3D& canvas) {
  axisPosition_ = SideOf(chart_.ChartRect);
  tickPositions_.clear();
  // LabelStep selects the labels' font, which they are then drawn in.
  const double step = LabelStep(canvas);
  if (HasValueLabels()) DrawLabels(canvas, LabelValues(scale_.Low(), scale_.High(), step));
  DrawTitle(canvas);
  DrawTicksAndGrid(canvas);
}

void TChartAxis::DrawTitle(TChartCanvas3D& canvas) {
  if (Title.empty()) return;
  canvas.AssignFont(LabelsFont);
  canvas.ClearBrush();
  const TRect& plot = chart_.ChartRect;
  // The labels' outer edge, where the label band ends away from the plot.
  const int outer = labelsPosition_ + ((horizontal_ ? otherSide_ : !otherSide_) ? -labelBand_ : labelBand_);
  if (horizontal_) {
    canvas.SetTextAlign(otherSide_ ? taCenterAlign | taBottom : taCenterAlign);
    canvas.TextOutAt((plot.Left + plot.Right) / 2, outer, Title);
  } else {
    canvas.SetTextAlign((otherSide_ ? taRight : taLeft) | taBottom);
    canvas.TextOutAt(outer, plot.Top - canvas.FontHeight() / 2 - 1, Title);
  }
  canvas.SetTextAlign(taLeft | taTop);
}

void TChartAxis::DrawLabels(TChartCanvas3D& canvas, const std::vector<double>& values) {
  if (values.empty()) return;
  canvas.ClearBrush();
  for (const double value : values) {
    const int p = ValueToPixel(value);
    tickPositions_.push_back(p);
    const std::string text = LabelText(value);
    if (horizontal_) DrawLabel(canvas, p, labelsPosition_, text);
    else DrawLabel(canvas, labelsPosition_, p, text);
  }
}

// Horizontal labels stand centred under (or over) their tick, vertical ones
// beside it, centred on it.
void TChartAxis::DrawLabel(TChartCanvas3D& canvas, int x, int y, const std::string& text) {
  if (text.empty()) return;
  int align;
  if (horizontal_) align = otherSide_ ? taCenterAlign | taBottom : taCenterAlign;
  else align = otherSide_ ? taLeft : taRight;
  if (!horizontal_) y -= canvas.FontHeight() / 2;
  canvas.SetTextAlign(align);
  canvas.TextOutAt(x, y, text);
  canvas.SetTextAlign(taLeft | taTop);
}

void TChartAxis::DrawTick(TChartCanvas3D& canvas, int p, int length) {
  if (horizontal_) {
    const int from = otherSide_ ? axisPosition_ - 1 : axisPosition_ + 1;
    canvas.VerticalLine(p, from, otherSide_ ? from - length : from + length);
  } else {
    const int from = otherSide_ ? axisPosition_ + 1 : axisPosition_ - 1;
    canvas.HorizontalLine(from, otherSide_ ? from + length : from - length, p);
  }
}

void TChartAxis::DrawTicksAndGrid(TChartCanvas3D& canvas) {
  canvas.ClearBrush();
  canvas.SetBackMode(bmTransparent);
  const int first = scale_.First();
  const int last = scale_.Last();
  const auto inside = [&](int p) { return first < p && p < last; };
  if (Axis.Visible) {
    canvas.AssignPen(Axis);
    if (horizontal_) canvas.HorizontalLine(first, last, axisPosition_);
    else canvas.VerticalLine(axisPosition_, first, last);
  }
  if (Ticks.Visible) {
    canvas.AssignPen(Ticks);
    for (int p : tickPositions_) DrawTick(canvas, p, TickLength);
  }
  if (Grid.Visible) {
    canvas.AssignPen(Grid, Grid.Color == clTeeColor ? clGray : Grid.Color);
    const TRect& plot = chart_.ChartRect;
    for (int p : tickPositions_) {
      if (!inside(p)) continue;
      if (horizontal_) canvas.VerticalLine(p, plot.Top + 1, plot.Bottom);
      else canvas.HorizontalLine(plot.Left + 1, plot.Right, p);
    }
  }
  // Three minor ticks between two ticks, and as many beyond the first and
  // the last tick, all strictly inside the axis.
  if (!tickPositions_.empty() && MinorTicks.Visible) {
    constexpr int kMinorTicks = 3;
    canvas.AssignPen(MinorTicks);
    canvas.SetBackMode(bmTransparent);
    canvas.ClearBrush();
    const long double f = 1.0L / (kMinorTicks + 1);
    const std::vector<int>& p = tickPositions_;
    const auto at = [&](int q) {
      if (inside(q)) DrawTick(canvas, q, MinorTickLength);
    };
    if (p.size() >= 2) {
      const long double d = (p[1] - p[0]) * f;
      for (int i = 1; i <= kMinorTicks; ++i) {
        at(p.front() - Round(i * d));
        at(p.back() + Round(i * d));
      }
    }
    for (std::size_t j = 1; j < p.size(); ++j) {
      const long double d = (p[j] - p[j - 1]) * f;
      for (int i = 1; i <= kMinorTicks; ++i) at(p[j] - Round(i * d));
    }
  }
  canvas.SetBackMode(bmOpaque);
}

}  // namespace chart
