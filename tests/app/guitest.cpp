#include "guitest.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace app::test {
namespace {

// Owns the application object from its first use until the test program
// ends, so it is destroyed before the program exits.
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

QString Describe(const QString& caption, int icon, int buttons, const QString& text) {
  return QString("%1|%2|%3|%4").arg(caption).arg(icon).arg(buttons).arg(text);
}

}  // namespace

TApplication& Application() { return environment->Get(); }

QStringList AnswerMessageBoxes(const std::function<void()>& action) {
  Application();
  QStringList shown;
  QTimer answer;
  answer.setInterval(0);
  QObject::connect(&answer, &QTimer::timeout, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    shown << Describe(box->windowTitle(), box->icon(), box->standardButtons(), box->text());
    box->button(QMessageBox::Ok)->click();
  });
  answer.start();
  action();
  answer.stop();
  return shown;
}

QString StopBox(const QString& text) {
  return Describe("app_tests", QMessageBox::Critical, QMessageBox::Ok, text);
}

}  // namespace app::test
