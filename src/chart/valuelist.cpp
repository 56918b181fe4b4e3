#include "chart/valuelist.h"

#include <algorithm>

namespace chart {

void TChartValueList::Grow() {
  if (static_cast<std::size_t>(count_) < value_.size()) return;
  value_.resize(value_.size() + kGrowthStep);
}

int TChartValueList::AddValue(double value) {
  int index = count_;
  if (Order != loNone && count_ > 0) {
    int i = count_ - 1;
    while (i >= 0 && (*this)[i] > value) --i;
    index = i + 1;
  }
  InsertValue(index, value);
  return index;
}

void TChartValueList::InsertValue(int index, double value) {
  Grow();
  const auto at = value_.begin() + index;
  std::move_backward(at, value_.begin() + count_, value_.begin() + count_ + 1);
  *at = value;
  ++count_;
  changed_ = true;
}

void TChartValueList::RemoveAll() {
  std::vector<double>().swap(value_);
  count_ = 0;
  changed_ = true;
}

void TChartValueList::Recalc() {
  if (count_ == 0) {
    minValue_ = maxValue_ = 0;
  } else {
    minValue_ = maxValue_ = (*this)[0];
    for (int i = 1; i < count_; ++i) {
      const double e = (*this)[i];
      if (e < minValue_) minValue_ = e;
      else if (e > maxValue_) maxValue_ = e;
    }
  }
  changed_ = false;
}

double TChartValueList::MaxValue() {
  if (changed_) Recalc();
  return maxValue_;
}

double TChartValueList::MinValue() {
  if (changed_) Recalc();
  return minValue_;
}

}  // namespace chart
