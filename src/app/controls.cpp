#include "app/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace app {

QLabel* PlacedLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  return label;
}

QLineEdit* PlacedEdit(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* edit = new QLineEdit(text, parent);
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace app
