#pragma once

#include <QWidget>
#include <array>

#include "model/strengthunits.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

// "Пересчёт крепости": typing a strength in any one of its four units fills
// the other three.
class TConvertForm : public QWidget {
  Q_OBJECT

 public:
  TConvertForm();

  QLineEdit* Edit(model::StrengthUnit unit) const { return edits_[static_cast<std::size_t>(unit)]; }

 private:
  // Converts from the field typed last (by mass when none was); a text that
  // is not a number or a strength no mixture has is said in the status line
  // and leaves the other fields empty.
  void Convert();

  std::array<QLineEdit*, 4> edits_{};
  QLabel* sourceLabel_;
  QLabel* statusLine_;
  QPushButton* convertButton_;
  model::StrengthUnit source_ = model::StrengthUnit::kMass;
};

}  // namespace app
