#include "guitest.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>

#include "numtext/numtext.h"

namespace app::test {

TApplication& Application() {
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  static TApplication* application = [] {
    // Tests start from the plain "." and "," separators whatever the
    // machine's locale; those that need another set it themselves.
    qputenv("LC_ALL", "C.UTF-8");
    return new TApplication(argc, argv);
  }();
  return *application;
}

std::vector<ShownBox> AnswerMessageBoxes(const std::function<void()>& action) {
  Application();
  std::vector<ShownBox> shown;
  QTimer answer;
  answer.setInterval(0);
  QObject::connect(&answer, &QTimer::timeout, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->windowModality() == Qt::ApplicationModal});
    box->button(QMessageBox::Ok)->click();
  });
  answer.start();
  action();
  answer.stop();
  return shown;
}

TScopedLocale::TScopedLocale(const char* locale)
    : hadValue_(qEnvironmentVariableIsSet("LC_ALL")), formerValue_(qgetenv("LC_ALL")) {
  qputenv("LC_ALL", locale);
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&Application(), &change);
}

TScopedLocale::~TScopedLocale() {
  if (hadValue_) {
    qputenv("LC_ALL", formerValue_);
  } else {
    qunsetenv("LC_ALL");
  }
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&Application(), &change);
}

}  // namespace app::test
