#pragma once

#include <QString>

#include "model/column.h"

class QLabel;
class QWidget;

namespace widgets {

// A label that shows its text as typed, never as markup: the analysis
// windows' labels repeat numbers and texts the user gave.
QLabel* PlainLabel(QWidget* parent, const QString& text = {});

// A number in the user's separators, by a picture pattern.
QString NumberText(const char* pattern, long double value);

// The inputs of a calculation of the main window, as the windows that show
// its results name them: "мощность 1000 Вт, крепость в кубе 1 %масс,
// тарелок 20, флегмовое число 15".
QString CalculationText(const model::ColumnInputs& inputs);

// Shows a secondary window, or brings it to the front when it is open, so
// that its menu entry always finds it.
void ShowInFront(QWidget& window);

}  // namespace widgets
