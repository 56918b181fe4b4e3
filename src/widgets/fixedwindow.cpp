#include "widgets/fixedwindow.h"

#include <QWidget>

namespace widgets {

void MakeFixedWindow(QWidget& window, QSize clientSize) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSize);
}

}  // namespace widgets
