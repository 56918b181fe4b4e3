#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace app {

// A label of plain text at a fixed place, as the analysis windows lay
// theirs out.
QLabel* PlacedLabel(QWidget* parent, const QString& text, const QRect& geometry);

// An edit field at a fixed place.
QLineEdit* PlacedEdit(QWidget* parent, const QString& text, const QRect& geometry);

}  // namespace app
