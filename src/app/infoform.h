#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace app {

// The information window: a fixed text about the program. Closing it only
// hides it, so it shows the same text at the same scroll position next time.
class TForm3 : public QWidget {
  Q_OBJECT

 public:
  TForm3();

  void Button1Click();

  QLabel* Label1;
  QPushButton* Button1;
  QPlainTextEdit* Memo1;
};

}  // namespace app
