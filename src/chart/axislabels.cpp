#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/rounding.h"
#include "numtext/numtext.h"

namespace chart {

namespace {

constexpr char kLineSeparator = '\r';

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(kLineSeparator, start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

int WidestLine(TChartCanvas3D& canvas, std::string_view text) {
  int widest = 0;
  for (std::string_view line : SplitLines(text)) widest = std::max(widest, canvas.TextWidth(line));
  return widest;
}

}  // namespace

int TChartAxis::TickAreaSize() const {
  int size = (Axis.Visible ? Axis.Width + 1 : 0) + (Ticks.Visible ? TickLength : 0);
  if (MinorTicks.Visible) size = std::max(size, MinorTickLength);
  return size;
}

TAxisLabelStyle TChartAxis::CalcLabelStyle() const {
  if (LabelStyle != talAuto) return LabelStyle;
  for (int i = 0; i < chart_.SeriesCount(); ++i) {
    const TChartSeries& series = chart_.Series(i);
    if (series.Active && series.UsesAxis(*this)) return talValue;
  }
  return talNone;
}

bool TChartAxis::FewPointsOnAxis(int count) const {
  for (int i = 0; i < chart_.SeriesCount(); ++i) {
    const TChartSeries& series = chart_.Series(i);
    const bool positionsAlong = series.YIsMandatory == Horizontal;
    if (!series.Active || !positionsAlong || !series.UsesAxis(*this)) continue;
    if (series.Count() <= count) return true;
  }
  return false;
}

std::string TChartAxis::LabelText(double value) const {
  std::string text = numtext::FormatFloat(AxisValuesFormat, value);
  if (LabelsMultiLine) std::replace(text.begin(), text.end(), ' ', kLineSeparator);
  return text;
}

int TChartAxis::LabelExtentAlong(TChartCanvas3D& canvas, double value) const {
  const std::string text = LabelText(value);
  // Vertical axes stack their labels, so a label's height is its extent.
  if (!Horizontal) return canvas.FontHeight() * static_cast<int>(SplitLines(text).size());
  return WidestLine(canvas, text);
}

double TChartAxis::LabelStep(TChartCanvas3D& canvas) {
  canvas.AssignFont(LabelsFont);
  int s = std::max(LabelExtentAlong(canvas, RangeMin), LabelExtentAlong(canvas, RangeMax));
  int count = 1;
  if (s > 0) {
    if (LabelsSeparation > 0) s += Round(LabelsSeparation * 0.01L * s);
    count = Round(PixelLength * 1.0L / s);
  }
  return LabelStepForCount(count);
}

double TChartAxis::NextNiceStep(double x) {
  if (!(x > 0)) return SmallestStep;
  if (std::isinf(x)) return x;
  if (x >= 10) return 10 * static_cast<long double>(NextNiceStep(0.1L * x));
  if (x >= 1) return x < 2 ? 2 : x < 5 ? 5 : 10;
  return NextNiceStep(10 * static_cast<long double>(x)) * 0.1L;
}

double TChartAxis::LabelStepForCount(int count) const {
  if (count <= 0) return SmallestStep;
  int n = count + 1;
  double step;
  if (increment_ > 0) {
    step = increment_;
  } else if (RangeSpan == 0) {
    step = 1.0;
  } else {
    step = std::fabs(RangeSpan) / (count + 1.0L);
    if (FewPointsOnAxis(count)) step = std::max(step, 1.0);
  }
  // A span so small that the division gave 0 would never grow a step.
  if (!(step > 0)) step = SmallestStep;
  if (LabelsSeparation >= 0) {
    for (;;) {
      const double q = RangeSpan / step;
      if (std::fabs(q) < 2147483647.0) {
        n = Round(q);
        if (n > count) step = NextNiceStep(step);
      } else {
        step = NextNiceStep(step);
      }
      if (n <= count || step > RangeSpan || std::isinf(step)) break;
    }
  }
  if (std::isinf(step)) return RangeSpan;
  return std::max(SmallestStep, step);
}

int TChartAxis::WidestLabel(TChartCanvas3D& canvas) {
  widestLabel_ = 0;
  if (CalcLabelStyle() != talValue) return widestLabel_;
  canvas.AssignFont(LabelsFont);
  double a = RangeMin;
  double b = RangeMax;
  if (RoundFirstLabel) {
    const double step = LabelStep(canvas);
    a = Int(RangeMin / step) * step;
    b = Int(RangeMax / step) * step;
  }
  widestLabel_ = std::max(WidestLine(canvas, LabelText(a)), WidestLine(canvas, LabelText(b))) +
                 canvas.TextWidth(" ");
  return widestLabel_;
}

int TChartAxis::LabelsExtent(TChartCanvas3D& canvas) {
  if (LabelsSize != 0) return LabelsSize;
  canvas.AssignFont(LabelsFont);
  return Horizontal ? canvas.FontHeight() : WidestLabel(canvas);
}

int TChartAxis::SideOf(const TRect& rect) const {
  if (Horizontal) return OtherSide ? rect.Top : rect.Bottom;
  return OtherSide ? rect.Right : rect.Left;
}

int TChartAxis::ShiftedByPosition(int position) const {
  if (PositionPercent == 0) return position;
  const long double d = PositionUnits == muPixels
                            ? PositionPercent
                            : 0.01L * PositionPercent * (Horizontal ? chart_.ChartHeight : chart_.ChartWidth);
  int shift = Round(d);
  if (OtherSide) shift = -shift;
  if (Horizontal) shift = -shift;
  return position + shift;
}

void TChartAxis::TakeOff(TRect& rect, int size) const {
  if (Horizontal) {
    if (OtherSide) rect.Top += size;
    else rect.Bottom -= size;
  } else {
    if (OtherSide) rect.Right -= size;
    else rect.Left += size;
  }
}

void TChartAxis::ReserveSpace(TChartCanvas3D& canvas, TRect& rect, bool reserve) {
  if (!reserve) {
    AxisPosition = ShiftedByPosition(SideOf(rect));
    // Labels stand outside the ticks: below and right grow, left and top shrink.
    const bool outwardPositive = Horizontal ? !OtherSide : OtherSide;
    LabelsPosition = AxisPosition + (outwardPositive ? TickAreaSize() : -TickAreaSize());
    return;
  }
  if (Labels) {
    TakeOff(rect, LabelsExtent(canvas));
    LabelsPosition = ShiftedByPosition(SideOf(rect));
  }
  const int ticks = TickAreaSize();
  if (ticks > 0) TakeOff(rect, ticks);
}

void TChartAxis::DrawAxis(TChartCanvas3D& canvas, bool placeAxis) {
  if (placeAxis) AxisPosition = ShiftedByPosition(SideOf(chart_.ChartRect));
  TickPositions.clear();
  // LabelStep selects the labels' font, which they are then drawn in.
  const double step = LabelStep(canvas);
  if (step > 0 && RangeMin <= RangeMax && CalcLabelStyle() == talValue) {
    DrawValueLabels(canvas, step);
  }
  DrawTicksAndGrid(canvas);
}

void TChartAxis::DrawValueLabels(TChartCanvas3D& canvas, double step) {
  if (std::fabs(RangeSpan / step) >= 10000) return;
  canvas.ClearBrush();
  double v = RangeMax;
  if (RoundFirstLabel && numtext::FloatToStr(RangeMin) != numtext::FloatToStr(RangeMax)) {
    v = Int(RangeMax / step) * step;
  }
  // A step too small to change v ends the walk instead of looping forever.
  auto stepDown = [&] {
    const double next = v - step;
    if (!(next < v)) return false;
    v = next;
    return true;
  };
  while (v > RangeMax && stepDown()) {
  }
  if (RangeIsZero || std::fabs(RangeMax - RangeMin) < 1e-10 ||
      numtext::FloatToStr(v) == numtext::FloatToStr(v - step)) {
    EmitLabel(canvas, v);
    return;
  }
  const double low = (RangeMin - SmallestStep) / (1.0L + SmallestStep);
  do {
    if (!(v >= low)) return;
    EmitLabel(canvas, v);
  } while (stepDown());
}

void TChartAxis::EmitLabel(TChartCanvas3D& canvas, double value) {
  const int p = ValueToPixel(value);
  if (!LabelsOnAxis && !(PixelStart < p && p < PixelEnd)) return;
  if (!TickOnLabelsOnly) TickPositions.push_back(p);
  if (!Labels) return;
  if (TickOnLabelsOnly) TickPositions.push_back(p);
  const std::string text = LabelText(value);
  if (Horizontal) DrawLabel(canvas, p, LabelsPosition, text);
  else DrawLabel(canvas, LabelsPosition, p, text);
}

void TChartAxis::DrawLabel(TChartCanvas3D& canvas, int x, int y, const std::string& text) {
  int align;
  if (Horizontal) {
    align = OtherSide ? taCenterAlign | taBottom : taCenterAlign;
  } else if (LabelsAlign == alOpposite) {
    align = OtherSide ? taRight : taLeft;
    x += OtherSide ? widestLabel_ : -widestLabel_;
  } else {
    align = OtherSide ? taLeft : taRight;
  }
  const int h = canvas.FontHeight();
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.empty()) return;
  const int n = static_cast<int>(lines.size());
  if (!Horizontal) y = y - h / 2 - Round(h * 0.5L * (n + 1));
  else if (!OtherSide) y -= h;
  else y -= h * n;
  canvas.SetTextAlign(align);
  for (std::string_view line : lines) {
    y += h;
    canvas.TextOutAt(x, y, line);
  }
  canvas.SetTextAlign(taLeft | taTop);
}

void TChartAxis::DrawTick(TChartCanvas3D& canvas, int p, int offset, int length) {
  if (Horizontal) {
    const int from = OtherSide ? AxisPosition - offset : AxisPosition + offset;
    canvas.VerticalLine(p, from, OtherSide ? from - length : from + length);
  } else {
    const int from = OtherSide ? AxisPosition + offset : AxisPosition - offset;
    canvas.HorizontalLine(from, OtherSide ? from + length : from - length, p);
  }
}

void TChartAxis::DrawGridLine(TChartCanvas3D& canvas, int p) {
  const TRect& plot = chart_.ChartRect;
  if (Horizontal) canvas.VerticalLine(p, plot.Top + 1, plot.Bottom);
  else canvas.HorizontalLine(plot.Left + 1, plot.Right, p);
}

void TChartAxis::DrawTicksAndGrid(TChartCanvas3D& canvas) {
  canvas.ClearBrush();
  canvas.SetBackMode(bmTransparent);
  const auto inside = [&](int p) { return PixelStart < p && p < PixelEnd; };
  if (Axis.Visible) {
    canvas.AssignPen(Axis);
    if (Horizontal) canvas.HorizontalLine(PixelStart, PixelEnd, AxisPosition);
    else canvas.VerticalLine(AxisPosition, PixelStart, PixelEnd);
  }
  if (Ticks.Visible) {
    canvas.AssignPen(Ticks);
    for (int p : TickPositions) DrawTick(canvas, p, 1, TickLength);
  }
  if (Grid.Visible) {
    canvas.AssignPen(Grid, Grid.Color == clTeeColor ? clGray : Grid.Color);
    for (std::size_t i = 0; i < TickPositions.size(); ++i) {
      int p = TickPositions[i];
      if (Grid.Centered) {
        if (i == 0) continue;
        p = Round(0.5L * (p + TickPositions[i - 1]));
      }
      if (inside(p)) DrawGridLine(canvas, p);
    }
  }
  if (TicksInner.Visible) {
    canvas.AssignPen(TicksInner);
    for (int p : TickPositions) DrawTick(canvas, p, -1, -TickInnerLength);
  }
  // Minor marks: MinorTickCount between two ticks, and as many beyond the
  // first and the last tick, all strictly inside the axis.
  const auto drawMinor = [&](const TChartPen& pen, auto&& mark) {
    if (TickPositions.empty() || !pen.Visible) return;
    canvas.AssignPen(pen);
    canvas.SetBackMode(bmTransparent);
    canvas.ClearBrush();
    const int k = MinorTickCount;
    const long double f = 1.0L / (k + 1);
    const std::vector<int>& p = TickPositions;
    const auto at = [&](int q) {
      if (inside(q)) mark(q);
    };
    if (p.size() >= 2) {
      const long double d = (p[1] - p[0]) * f;
      for (int i = 1; i <= k; ++i) {
        at(p.front() - Round(i * d));
        at(p.back() + Round(i * d));
      }
    }
    for (std::size_t j = 1; j < p.size(); ++j) {
      const long double d = (p[j] - p[j - 1]) * f;
      for (int i = 1; i <= k; ++i) at(p[j] - Round(i * d));
    }
  };
  drawMinor(MinorTicks, [&](int q) { DrawTick(canvas, q, 1, MinorTickLength); });
  drawMinor(MinorGrid, [&](int q) { DrawGridLine(canvas, q); });
  canvas.SetBackMode(bmOpaque);
}

}  // namespace chart
