#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chart {

class TChartSeries;

enum TChartListOrder : std::uint8_t { loNone, loAscending, loDescending };

// One coordinate of all points of a series, kept in the list's Order.
// Extremes and sums are recomputed on the first read after a change.
class TChartValueList {
 public:
  // Storage grows by this many entries whenever it is full.
  static constexpr int GrowthStep = 1000;

  TChartValueList(TChartSeries* owner, std::string name);
  virtual ~TChartValueList() = default;
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  // Copies Order, DateTime and ValueSource, not the values.
  virtual void Assign(const TChartValueList& source);
  // Inserts by Order; an equal value goes after those already present.
  // Returns the index where the value now stands.
  virtual int AddValue(double value);
  // Releases the storage.
  virtual void RemoveAll();
  virtual void InsertValue(int index, double value);
  virtual void Delete(int index);

  int Count() const { return count_; }
  // The allocated number of entries.
  int Capacity() const { return static_cast<int>(value_.size()); }
  // Entries are not range-checked; callers test Count first.
  double operator[](int index) const { return value_[static_cast<std::size_t>(index)]; }
  double Value(int index) const { return (*this)[index]; }
  double First() const { return (*this)[0]; }
  double Last() const { return (*this)[count_ - 1]; }

  double MaxValue();
  double MinValue();
  double Sum();
  double SumAbs();

  TChartSeries* Owner() const { return owner_; }
  // Whether the stored extremes and sums are stale.
  bool Changed() const { return changed_; }

  bool DateTime = false;
  std::string Name;
  TChartListOrder Order = loNone;
  // The value of the point that AddXY is adding.
  double PendingValue = 0;
  std::string ValueSource;

 private:
  void Recalc();
  void Grow();

  TChartSeries* owner_;
  std::vector<double> value_;
  int count_ = 0;
  double maxValue_ = 0;
  double minValue_ = 0;
  double sum_ = 0;
  double sumAbs_ = 0;
  bool changed_ = true;
};

}  // namespace chart
