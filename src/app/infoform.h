#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace app {

// The information window: a fixed text about the program. Closing it only
// hides it, so it shows the same text at the same scroll position next time.
class TInfoForm : public QWidget {
  Q_OBJECT

 public:
  TInfoForm();

 private:
  void CloseClicked();

  QLabel* titleLabel_;
  QPushButton* closeButton_;
  QPlainTextEdit* informationText_;
};

}  // namespace app
