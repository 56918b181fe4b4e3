#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <ostream>

namespace widgets {

// The program's title from its executable's path: the file name without its
// folder and without everything from its first "." on, every character after
// the first in lower case.
QString ApplicationTitle(const QString& executablePath);

// The application object: sets up fonts, hint timing and the icon, re-reads
// the locale separators when the platform announces a change, and shows every
// error that leaves a command.
class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);

  static TApplication* Instance();

  // The one place errors end up: a modal message box with the stop icon and
  // one OK button, captioned with the program's title; the program then goes
  // on. With an error stream set, the text goes there instead, for runs that
  // have no user to press OK.
  void HandleException(const std::exception& error);
  void SetErrorStream(std::ostream* stream) { errorStream_ = stream; }

 protected:
  bool event(QEvent* event) override;

 private:
  QString title_;
  std::ostream* errorStream_ = nullptr;
};

// Wraps a command so that an error it raises reaches the application's
// handler instead of the event loop.
template <class Command>
auto Guarded(Command command) {
  return [command]() {
    try {
      command();
    } catch (const std::exception& error) {
      TApplication::Instance()->HandleException(error);
    }
  };
}

}  // namespace widgets
