#include "qt_application.h"

#include <QApplication>

namespace chart::testing {

void EnsureQtApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "chart_tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

}  // namespace chart::testing
