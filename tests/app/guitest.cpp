#include "guitest.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "numtext/numtext.h"

namespace app::test {

namespace {

// Owns the application object from its first use to the end of the test
// program, so it is destroyed before the program exits.
class TApplicationEnvironment : public testing::Environment {
 public:
  TApplication& Get() {
    if (!application_) {
      // Tests start from the plain "." and "," separators whatever the
      // machine's locale; those that need another set it themselves.
      qputenv("LC_ALL", "C.UTF-8");
      application_ = std::make_unique<TApplication>(argc_, argv_);
    }
    return *application_;
  }

  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[10] = "app_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> application_;
};

TApplicationEnvironment* const environment = static_cast<TApplicationEnvironment*>(
    testing::AddGlobalTestEnvironment(new TApplicationEnvironment));

}  // namespace

TApplication& Application() { return environment->Get(); }

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
