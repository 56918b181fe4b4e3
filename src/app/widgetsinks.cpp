#include "app/widgetsinks.h"

namespace app {
namespace {

QString Text(std::string_view line) {
  return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace

void TListBoxSink::Clear() { box_.clear(); }

void TListBoxSink::InsertAtTop(std::string_view line) { box_.insertItem(0, Text(line)); }

void TListBoxSink::Append(std::string_view line) { box_.addItem(Text(line)); }

QSize TFixedRowHeight::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
}

}  // namespace app
