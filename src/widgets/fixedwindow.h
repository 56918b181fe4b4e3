#pragma once

#include <QSize>

class QWidget;

namespace widgets {

// Gives a window its fixed client size and a title bar with the system
// menu, minimize and close buttons. A window of fixed size cannot be
// maximized, so it shows no maximize button that would do nothing.
void MakeFixedWindow(QWidget& window, QSize clientSize);

}  // namespace widgets
