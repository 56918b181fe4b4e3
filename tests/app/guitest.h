#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

#include "app/application.h"

namespace app::test {

// The one application object of the test program, created on first use.
TApplication& Application();

// What a message box showed before the test closed it.
struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool applicationModal = false;
};

// Runs `action` and answers every message box it opens with OK, returning
// what each one showed.
std::vector<ShownBox> AnswerMessageBoxes(const std::function<void()>& action);

// Sets the environment's locale and tells the application it changed;
// restores the former environment when it goes out of scope.
class TScopedLocale {
 public:
  explicit TScopedLocale(const char* locale);
  ~TScopedLocale();

 private:
  bool hadValue_;
  QByteArray formerValue_;
};

}  // namespace app::test
