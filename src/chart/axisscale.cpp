#include "chart/axisscale.h"

#include "chart/rounding.h"

namespace chart {

namespace {

int ClampPixel(double p) {
  if (!(p <= PixelLimit)) return PixelLimit;
  if (p < -PixelLimit) return -PixelLimit;
  return Round(p);
}

}  // namespace

TAxisScale::TAxisScale(double low, double high, int from, int to, TPixelReading reading)
    : low_(low), high_(high), span_(high - low), from_(from), to_(to), reading_(reading) {
  pixelsPerUnit_ = IsZero() ? 0 : (static_cast<long double>(to_) - from_) / span_;
}

TAxisScale TAxisScale::WithPixels(int first, int last) const {
  return from_ <= to_ ? TAxisScale(low_, high_, first, last, reading_)
                      : TAxisScale(low_, high_, last, first, reading_);
}

TAxisScale TAxisScale::WithRange(double low, double high) const {
  return {low, high, from_, to_, reading_};
}

int TAxisScale::ValueToPixel(double value) const {
  if (IsZero()) return (from_ + to_) / 2;
  // Both steps are rounded to double on purpose: the pixels depend on it.
  const double t = (value - static_cast<long double>(low_)) * pixelsPerUnit_;
  const double p = from_ + static_cast<long double>(t);
  return ClampPixel(p);
}

double TAxisScale::PixelToValue(int pixel) const {
  const int length = Length();
  if (length < 1) return 0;
  const bool forward = from_ <= to_;
  if (reading_ == TPixelReading::FromLow) {
    const long double offset = forward ? static_cast<long double>(pixel) - from_
                                       : static_cast<long double>(from_) - pixel;
    return low_ + offset * span_ / length;
  }
  const long double offset = forward ? static_cast<long double>(to_) - pixel
                                     : static_cast<long double>(pixel) - to_;
  return high_ - offset * span_ / length;
}

}  // namespace chart
