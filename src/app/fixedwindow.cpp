#include "app/fixedwindow.h"

#include <QWidget>

namespace app {

void MakeFixedWindow(QWidget& window, QSize clientSize) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSize);
}

}  // namespace app
