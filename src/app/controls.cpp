#include "app/controls.h"

#include <QLabel>

#include "numtext/numtext.h"

namespace app {

QLabel* PlainLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString NumberText(const char* pattern, long double value) {
  return QString::fromStdString(numtext::FormatFloat(pattern, value));
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace app
