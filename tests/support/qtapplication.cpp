#include "support/qtapplication.h"

#include <QApplication>
#include <QDeadlineTimer>

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

bool WaitUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(60000);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

}  // namespace test_support
