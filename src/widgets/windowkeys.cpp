#include "widgets/windowkeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "widgets/application.h"

namespace widgets {

void BindWindowKeys(QWidget& window, const std::function<void()>& action) {
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    QObject::connect(new QShortcut(QKeySequence(key), &window), &QShortcut::activated, &window,
                     Guarded(action));
  }
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated,
                   &window, [&window] { window.close(); });
}

}  // namespace widgets
