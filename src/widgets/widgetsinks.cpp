#include "widgets/widgetsinks.h"

namespace widgets {

void TListBoxSink::Clear() { box_.clear(); }

void TListBoxSink::InsertAtTop(std::string_view line) {
  box_.insertItem(0, QString::fromUtf8(line));
}

void TListBoxSink::Append(std::string_view line) { box_.addItem(QString::fromUtf8(line)); }

QSize TFixedRowHeight::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
}

}  // namespace widgets
