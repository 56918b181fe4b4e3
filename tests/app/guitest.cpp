#include "guitest.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileDialog>
#include <QListWidget>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sstream>

#include "cli/commandline.h"
#include "widgets/application.h"

namespace app::test {
namespace {

// The one application object of the test program, there for every test and
// destroyed before the program exits.
class TApplicationEnvironment : public testing::Environment {
  void SetUp() override {
    // Tests start from the plain "." and "," separators whatever the
    // machine's locale; those that need another set it themselves.
    qputenv("LC_ALL", "C.UTF-8");
    application_ = std::make_unique<widgets::TApplication>(argc_, argv_);
    // What the windows remember goes to a folder of the test's own, never
    // to the user's settings.
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) QSettings::setPath(format, QSettings::UserScope, settings_.path());
  }
  void TearDown() override { application_.reset(); }
  int argc_ = 1;
  char name_[10] = "app_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<widgets::TApplication> application_;
  QTemporaryDir settings_;
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new TApplicationEnvironment);


}  // namespace

QStringList AnswerMessageBoxes(const std::function<void()>& action) { return AnswerDialogs(action, {}); }

QStringList AnswerDialogs(const std::function<void()>& action, const QString& file) {
  QStringList shown;
  QTimer answer;
  answer.setInterval(0);
  QPointer<QFileDialog> answered;
  QObject::connect(&answer, &QTimer::timeout, [&shown, &file, &answered] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      if (!dialog->isVisible() || dialog == answered) return;
      answered = dialog;
      shown << "file dialog|" + dialog->windowTitle();
      if (file.isEmpty()) return dialog->reject();
      dialog->selectFile(file);
      // Accepted from the event loop, not from this timer: accepting may open
      // a question (replace the file?) that this timer must then answer.
      QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    // A box that would render its text as markup is marked, so that every
    // expected box is plain text unless a test says otherwise.
    shown << QString("%1|%2|%3|%4%5").arg(box->windowTitle()).arg(box->icon()).arg(box->standardButtons())
                 .arg(box->text(), box->textFormat() == Qt::PlainText ? "" : "|markup");
    // A question, such as whether to replace a file, is answered yes.
    if (QAbstractButton* yes = box->button(box->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes)) yes->click();
  });
  answer.start();
  action();
  answer.stop();
  return shown;
}

QString StopBox(const QString& text) {
  return QString("app_tests|%1|%2|%3").arg(QMessageBox::Critical).arg(QMessageBox::Ok).arg(text);
}

QStringList Items(const QListWidget* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
  return items;
}

std::string Printed(const commands::InputTexts& texts) {
  std::ostringstream out, err;
  cli::RunReport(texts, {}, out, err);
  return out.str();
}

void SetLocale(const char* locale) {
  qputenv("LC_ALL", locale);
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

QStringList GuiTest::Calculate(const commands::InputTexts& texts) {
  form.SetTexts(texts);
  return AnswerMessageBoxes([this] { QTest::mouseClick(Named<QPushButton>(form, "calculateButton"), Qt::LeftButton); });
}

}  // namespace app::test
