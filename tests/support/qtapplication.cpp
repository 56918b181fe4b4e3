#include "support/qtapplication.h"

#include <QApplication>

namespace test_support {

void EnsureQtApplication() {
  if (QApplication::instance()) return;
  // Run directly as well as under ctest: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "stillwise_tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

}  // namespace test_support
