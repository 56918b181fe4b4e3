#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

#include "chart/series.h"
#include "commands/sinks.h"

namespace widgets {

// Writes report lines into a list box.
class TListBoxSink final : public commands::TListSink {
 public:
  explicit TListBoxSink(QListWidget& box) : box_(box) {}

  void Clear() override;
  void InsertAtTop(std::string_view line) override;
  void Append(std::string_view line) override;

 private:
  QListWidget& box_;
};

// Feeds points into a chart series, each in the series' own colour.
class TChartSeriesSink final : public commands::TSeriesSink {
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

}  // namespace widgets
