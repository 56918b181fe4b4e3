#pragma once

#include <QPushButton>

namespace widgets {

// A push button that Return and keypad Enter click while it has the focus,
// as Space does: the classic desktop's keyboard. No button is a window's
// default, so Return elsewhere clicks nothing.
class TPushButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace widgets
