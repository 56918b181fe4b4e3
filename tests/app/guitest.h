#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <functional>
#include <string>

#include "app/program.h"
#include "support/qtapplication.h"

class QListWidget;

namespace app::test {

// Runs `action`, answering every message box it opens with OK; returns each
// box as "caption|icon|buttons|text".
QStringList AnswerMessageBoxes(const std::function<void()>& action);

// The same, and every file dialog is answered with `file`, or cancelled
// when it is empty; a dialog is returned as "file dialog|caption".
QStringList AnswerDialogs(const std::function<void()>& action, const QString& file);

using test_support::WaitUntil;

// A box as the program shows its errors: the stop icon and one OK button.
QString StopBox(const QString& text);

// The window's child of that object name: a widget or menu entry found by
// what it is, as a user finds it.
template <class Child>
Child* Named(const QObject& window, const char* name) {
  Child* child = window.findChild<Child*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// The lines of a list box, top to bottom.
QStringList Items(const QListWidget* box);

// What --report prints for the texts: the lists as the window shows them.
std::string Printed(const commands::InputTexts& texts);

// Sets the locale, and tells the application as a desktop does when the
// user changes it.
void SetLocale(const char* locale);

// The program's windows with the main window shown.
class GuiTest : public testing::Test {
 protected:
  // Every test starts from windows that remember nothing.
  void SetUp() override { QSettings().clear(); form.show(); }

  // Types the texts, clicks "Расчет" and returns the message boxes it brought up.
  QStringList Calculate(const commands::InputTexts& texts);

  TProgramWindows windows;
  TMainForm& form = windows.mainWindow;
};

}  // namespace app::test

// Shows texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
