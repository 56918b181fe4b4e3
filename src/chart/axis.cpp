#include "chart/axis.h"

#include <cmath>
#include <utility>

#include "chart/chart.h"
#include "chart/exceptions.h"
#include "chart/rounding.h"

namespace chart {

TChartAxis::TChartAxis(TCustomChart& chart, bool horizontal, bool otherSide, bool depthAxis)
    : Horizontal(horizontal), OtherSide(otherSide), chart_(chart), isDepthAxis_(depthAxis) {
  if (depthAxis) Visible = false;
}

void TChartAxis::Changed() { chart_.Invalidate(); }

void TChartAxis::SetMinimum(double value) {
  if (value > maximum_) throw AxisException("Axis Minimum Value must be <= Maximum");
  if (value == minimum_) return;
  minimum_ = value;
  Changed();
}

void TChartAxis::SetMaximum(double value) {
  if (value < minimum_) throw AxisException("Axis Maximum Value must be >= Minimum");
  if (value == maximum_) return;
  maximum_ = value;
  Changed();
}

void TChartAxis::SetIncrement(double value) {
  if (value < 0) throw AxisException("Axis increment must be >= 0");
  if (value == increment_) return;
  increment_ = value;
  Changed();
}

void TChartAxis::SetRange(double min, double max) {
  Automatic = AutomaticMinimum = AutomaticMaximum = false;
  if (min > max) std::swap(min, max);
  if (min != minimum_) {
    minimum_ = min;
    Changed();
  }
  if (max != maximum_) {
    maximum_ = max;
    Changed();
  }
  if (maximum_ - minimum_ < 1e-10) maximum_ = minimum_ + 1e-10;
}

void TChartAxis::ScrollBy(bool checkLimits, double delta) {
  if (checkLimits) {
    if (delta == 0) return;
    const double data = delta > 0 ? chart_.AxisDataMinMax(*this, false, Horizontal)
                                  : chart_.AxisDataMinMax(*this, true, Horizontal);
    if (delta > 0 ? !(data > maximum_) : !(data < minimum_)) return;
  }
  Automatic = AutomaticMinimum = AutomaticMaximum = false;
  maximum_ += delta;
  minimum_ += delta;
  Changed();
}

void TChartAxis::AdjustRange() {
  if (Automatic || AutomaticMaximum) {
    maximum_ = Horizontal ? chart_.AxisMaxX(*this) : chart_.AxisMaxY(*this);
  }
  if (Automatic || AutomaticMinimum) {
    minimum_ = Horizontal ? chart_.AxisMinX(*this) : chart_.AxisMinY(*this);
  }
  RangeMax = maximum_;
  RangeMin = minimum_;
  RecalcScale();
}

void TChartAxis::RecalcScale() {
  RangeSpan = RangeMax - RangeMin;
  RangeIsZero = RangeSpan == 0;
  PixelsPerUnit = RangeIsZero ? 0 : PixelLength / static_cast<long double>(RangeSpan);
}

void TChartAxis::ComputePixelRange() {
  const int start = Horizontal ? chart_.ChartRect.Left : chart_.ChartRect.Top;
  const int size = Horizontal ? chart_.ChartWidth : chart_.ChartHeight;
  PixelStart = start + Round(size * 0.01L * StartPosition);
  PixelEnd = start + Round(size * 0.01L * EndPosition);
  PixelLength = PixelEnd - PixelStart;
  PixelCenter = (PixelStart + PixelEnd) / 2;
  RecalcScale();
}

void TChartAxis::ApplyMargins(int left, int top, int right, int bottom) {
  const int a = Horizontal ? left : top;
  const int b = Horizontal ? right : bottom;
  // With no margins the range would come back the same but for rounding.
  if (a == 0 && b == 0) return;
  const int oldStart = PixelStart;
  const int oldEnd = PixelEnd;
  PixelStart += a;
  PixelEnd -= b;
  PixelLength = PixelEnd - PixelStart;
  const double low = PixelToValue(oldStart);
  const double high = PixelToValue(oldEnd);
  ComputePixelRange();
  RangeMin = low;
  RangeMax = high;
  if (RangeMin > RangeMax) std::swap(RangeMin, RangeMax);
  RecalcScale();
}

namespace {

// p clamped to the drawable coordinates; a NaN lands on the positive limit.
int ClampPixel(double p) {
  if (!(p <= PixelLimit)) return PixelLimit;
  if (p < -PixelLimit) return -PixelLimit;
  return Round(p);
}

// The pixel of the value, counted from the axis's end pixel instead of its
// start with fromEnd.
int MapValue(const TChartAxis& axis, double value, bool fromEnd) {
  if (axis.RangeIsZero) return axis.PixelCenter;
  const double t = (value - static_cast<long double>(axis.RangeMin)) * axis.PixelsPerUnit;
  const double p = fromEnd ? axis.PixelEnd - static_cast<long double>(t)
                           : axis.PixelStart + static_cast<long double>(t);
  return ClampPixel(p);
}

}  // namespace

int TChartAxis::ValueToPixelX(double value) const { return MapValue(*this, value, Inverted); }

// Values grow upwards: unless inverted, they count from the end pixel, at the bottom.
int TChartAxis::ValueToPixelY(double value) const { return MapValue(*this, value, !Inverted); }

double TChartAxis::PixelToValue(int pixel) const {
  if (PixelLength < 1) return 0;
  const long double offset = Inverted ? static_cast<long double>(PixelEnd) - pixel
                                      : static_cast<long double>(pixel) - PixelStart;
  const long double d = offset * RangeSpan / PixelLength;
  return Horizontal ? RangeMin + d : RangeMax - d;
}

}  // namespace chart
