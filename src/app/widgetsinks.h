#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

#include "app/sinks.h"
#include "chart/series.h"

namespace app {

// Writes report lines into a list box.
class TListBoxSink final : public TListSink {
 public:
  explicit TListBoxSink(QListWidget& box) : box_(box) {}

  void Clear() override;
  void InsertAtTop(std::string_view line) override;
  void Append(std::string_view line) override;

 private:
  QListWidget& box_;
};

// Feeds points into a chart series, each in the series' own colour.
class TChartSeriesSink final : public TSeriesSink {
 public:
  explicit TChartSeriesSink(chart::TChartSeries& series) : series_(series) {}

  void Clear() override { series_.Clear(); }
  void Add(double value) override { series_.Add(value, "", chart::clTeeColor); }

 private:
  chart::TChartSeries& series_;
};

// Gives every row of a list box the same fixed height.
class TFixedRowHeight final : public QStyledItemDelegate {
 public:
  TFixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int height_;
};

}  // namespace app
