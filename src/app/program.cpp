#include "app/program.h"

#include <QPixmap>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/commandline.h"
#include "chart/chartwidget.h"
#include "numtext/numtext.h"

namespace app {
namespace {

bool HasDisplay() {
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

bool SavePicture(QWidget& window, const std::string& file) {
  if (window.grab().save(QString::fromStdString(file), "PNG")) return true;
  std::cerr << "stillwise: cannot write '" << file << "'\n";
  return false;
}

// Pictures are made on the offscreen platform unless one is named, so the
// window never appears on a screen and no display is needed.
int RunScreenshot(const CommandLine& line, const char* programName) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string name(programName);
  char* argv[] = {name.data(), nullptr};
  int argc = 1;
  TApplication application(argc, argv);
  application.SetErrorStream(&std::cerr);
  TProgramWindows windows;

  int status = 0;
  QWidget* window = &windows.Form3;
  if (line.mode != CommandLine::Mode::kInfoScreenshot) {
    TForm1& form = windows.Form1;
    window = &form;
    if (line.textsGiven) form.SetTexts(line.texts);
    form.show();
    try {
      form.Button1Click();
    } catch (const std::exception& error) {
      application.HandleException(error);
      status = 1;
    }
  }
  window->show();
  QApplication::processEvents();
  // The chart is saved as it paints inside the shown window.
  if (line.mode == CommandLine::Mode::kChart) window = windows.Form1.Chart1;
  if (!SavePicture(*window, line.file)) return 1;
  return status;
}

int RunWindow(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "stillwise: no display is set (neither DISPLAY nor WAYLAND_DISPLAY).\n"
                 "Start it from a graphical session, or save a picture of the window:\n"
                 "  stillwise --screenshot stillwise.png 1000 1 20 15\n";
    return 1;
  }
  TApplication application(argc, argv);
  TProgramWindows windows;
  windows.Form1.show();
  return QApplication::exec();
}

}  // namespace

int RunProgram(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.mode) {
    case CommandLine::Mode::kWindow:
      return RunWindow(argc, argv);
    case CommandLine::Mode::kReport:
      numtext::ReadLocaleSeparators();
      return RunReport(line.texts, line.switches, std::cout, std::cerr);
    case CommandLine::Mode::kScreenshot:
    case CommandLine::Mode::kChart:
    case CommandLine::Mode::kInfoScreenshot:
      return RunScreenshot(line, argv[0]);
    case CommandLine::Mode::kHelp:
      std::cout << HelpText();
      return 0;
    case CommandLine::Mode::kVersion:
      std::cout << VersionText();
      return 0;
    case CommandLine::Mode::kError:
      break;
  }
  std::cerr << "stillwise: " << line.error << "\n\n" << HelpText();
  return 2;
}

}  // namespace app
