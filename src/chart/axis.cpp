#include "chart/axis.h"

#include <utility>

#include "chart/chart.h"
#include "chart/exceptions.h"

namespace chart {

TChartAxis::TChartAxis(TCustomChart& chart, bool horizontal, bool otherSide)
    : chart_(chart), horizontal_(horizontal), otherSide_(otherSide) {}

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

void TChartAxis::ScrollBy(double delta) {
  Automatic = AutomaticMinimum = AutomaticMaximum = false;
  maximum_ += delta;
  minimum_ += delta;
  Changed();
}

TPixelReading TChartAxis::Reading() const {
  return horizontal_ ? TPixelReading::FromLow : TPixelReading::FromHigh;
}

void TChartAxis::AdjustRange() {
  if (Automatic || AutomaticMaximum) maximum_ = chart_.AxisDataMinMax(*this, false, horizontal_);
  if (Automatic || AutomaticMinimum) minimum_ = chart_.AxisDataMinMax(*this, true, horizontal_);
  scale_ = scale_.WithRange(minimum_, maximum_);
}

void TChartAxis::ComputePixelRange() {
  const TRect& plot = chart_.ChartRect;
  const int first = horizontal_ ? plot.Left : plot.Top;
  const int last = first + (horizontal_ ? chart_.ChartWidth : chart_.ChartHeight);
  // Values grow rightwards and upwards, so a vertical axis runs against
  // the pixels.
  scale_ = horizontal_ ? TAxisScale(scale_.Low(), scale_.High(), first, last, Reading())
                       : TAxisScale(scale_.Low(), scale_.High(), last, first, Reading());
}

void TChartAxis::ApplyMargins(int before, int after) {
  // With no margins the range would come back the same but for rounding.
  if (before == 0 && after == 0) return;
  const int first = scale_.First();
  const int last = scale_.Last();
  // The range as it is, over the pixels inside the margins, read at the
  // ends: the data then keeps clear of the margins.
  double low = 0;
  double high = 0;
  if (last - after - (first + before) >= 1) {
    const TAxisScale inside = scale_.WithPixels(first + before, last - after);
    low = inside.PixelToValue(first);
    high = inside.PixelToValue(last);
  }
  if (low > high) std::swap(low, high);
  ComputePixelRange();
  scale_ = scale_.WithRange(low, high);
}

}  // namespace chart
