#include "widgets/controls.h"

#include <QLabel>

#include "numtext/numtext.h"

namespace widgets {

QLabel* PlainLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString NumberText(const char* pattern, long double value) {
  return QString::fromStdString(numtext::FormatFloat(pattern, value));
}

QString CalculationText(const model::ColumnInputs& inputs) {
  return QString("мощность %1 Вт, крепость в кубе %2 %масс, тарелок %3, флегмовое число %4")
      .arg(inputs.power)
      .arg(NumberText("0.##", inputs.stillstrength.Percent()))
      .arg(inputs.traycount)
      .arg(NumberText("0.##", inputs.reflux.Ratio()));
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace widgets
