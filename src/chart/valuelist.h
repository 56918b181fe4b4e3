#pragma once

#include <cstdint>
#include <vector>

namespace chart {

enum TChartListOrder : std::uint8_t { loNone, loAscending };

// One coordinate of all points of a series, kept in the list's Order.
// The extremes are recomputed on the first read after a change.
class TChartValueList {
 public:
  TChartValueList() = default;
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  // Inserts by Order; an equal value goes after those already present.
  // Returns the index where the value now stands.
  int AddValue(double value);
  // Releases the storage.
  void RemoveAll();
  void InsertValue(int index, double value);

  int Count() const { return count_; }
  // Entries are not range-checked; callers test Count first.
  double operator[](int index) const { return value_[static_cast<std::size_t>(index)]; }
  double Value(int index) const { return (*this)[index]; }
  double Last() const { return (*this)[count_ - 1]; }

  double MaxValue();
  double MinValue();

  TChartListOrder Order = loNone;

 private:
  // Storage grows by this many entries whenever it is full.
  static constexpr int kGrowthStep = 1000;

  void Recalc();
  void Grow();

  std::vector<double> value_;
  int count_ = 0;
  double maxValue_ = 0;
  double minValue_ = 0;
  bool changed_ = true;
};

}  // namespace chart
