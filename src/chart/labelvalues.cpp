#include "chart/labelvalues.h"

#include <algorithm>
#include <cmath>

#include "chart/rounding.h"
#include "numtext/numtext.h"

namespace chart {

namespace {

double NiceStepAbove(double x) {
  if (x >= 10) return 10 * static_cast<long double>(NiceStepAbove(0.1L * x));
  if (x >= 1) return x < 2 ? 2 : x < 5 ? 5 : 10;
  return NiceStepAbove(10 * static_cast<long double>(x)) * 0.1L;
}

}  // namespace

double NextNiceStep(double x) {
  if (!(x > 0)) return SmallestStep;
  if (std::isinf(x)) return x;
  const double next = NiceStepAbove(x);
  // Among subnormal numbers the nice step can round back to x itself, and
  // the searches that grow a step by it would never end.
  return next > x ? next : std::nextafter(x, HUGE_VAL);
}

int LabelsThatFit(int axisLength, int labelExtent, int separation) {
  if (labelExtent <= 0) return 1;
  int s = labelExtent;
  if (separation > 0) s += Round(separation * 0.01L * s);
  return Round(axisLength * 1.0L / s);
}

double LabelStepForCount(int count, const TLabelStepRule& rule) {
  if (count <= 0) return SmallestStep;
  const double span = rule.Span;
  int n = count + 1;
  double step;
  if (rule.Increment > 0) {
    step = rule.Increment;
  } else if (span == 0) {
    step = 1.0;
  } else {
    step = std::fabs(span) / (count + 1.0L);
    if (rule.FewestPositions <= count) step = std::max(step, 1.0);
  }
  // A span so small that the division gave 0 would never grow a step.
  if (!(step > 0)) step = SmallestStep;
  if (rule.Separation >= 0) {
    for (;;) {
      const double q = span / step;
      if (std::fabs(q) < 2147483647.0) {
        n = Round(q);
        if (n > count) step = NextNiceStep(step);
      } else {
        step = NextNiceStep(step);
      }
      if (n <= count || step > span || std::isinf(step)) break;
    }
  }
  if (std::isinf(step)) return span;
  return std::max(SmallestStep, step);
}

std::vector<double> LabelValues(double low, double high, double step) {
  std::vector<double> values;
  if (!(step > 0) || !(low <= high)) return values;
  const double span = high - low;
  // An infinite span gives no count of labels at all.
  if (!(std::fabs(span / step) < 10000)) return values;
  double v = high;
  if (numtext::FloatToStr(low) != numtext::FloatToStr(high)) v = Int(high / step) * step;
  // A step too small to change v ends the walk instead of looping forever.
  auto stepDown = [&] {
    const double next = v - step;
    if (!(next < v)) return false;
    v = next;
    return true;
  };
  while (v > high && stepDown()) {
  }
  if (span == 0 || std::fabs(high - low) < 1e-10 ||
      numtext::FloatToStr(v) == numtext::FloatToStr(v - step)) {
    values.push_back(v);
    return values;
  }
  const double lowest = (low - SmallestStep) / (1.0L + SmallestStep);
  do {
    if (!(v >= lowest)) break;
    values.push_back(v);
  } while (stepDown());
  return values;
}

}  // namespace chart
