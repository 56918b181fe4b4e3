#include "app/program.h"

#include <QBuffer>
#include <QByteArray>
#include <QPixmap>
#include <exception>
#include <memory>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/commandline.h"
#include "app/platformstart.h"
#include "chart/chartwidget.h"
#include "chart/svgcanvas.h"
#include "numtext/numtext.h"

namespace app {
namespace {

bool IsSvgName(const std::string& file) {
  return file.size() >= 4 && QByteArray::fromStdString(file.substr(file.size() - 4)).toLower() == ".svg";
}

// The window's picture as PNG, or the chart's as SVG when the name says so.
std::string PictureBytes(QWidget& window, const std::string& file) {
  if (auto* chart = qobject_cast<chart::TChart*>(&window); chart && IsSvgName(file)) {
    return chart::ChartSvg(*chart, chart->width(), chart->height());
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  window.grab().save(&buffer, "PNG");
  return png.toStdString();
}

// Pictures are made on the offscreen platform unless one is named, so the
// window never appears on a screen and no display is needed.
int RunScreenshot(const CommandLine& line, const char* programName) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string name(programName);
  char* argv[] = {name.data(), nullptr};
  int argc = 1;
  const std::unique_ptr<TApplication> started = StartApplication(argc, argv);
  TApplication& application = *started;
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
  if (!WriteResult(line.file, PictureBytes(*window, line.file), std::cout, std::cerr)) return 1;
  return status;
}

int RunWindow(int argc, char** argv) {
  const std::string missing = MissingScreen(CurrentScreenEnvironment());
  if (!missing.empty()) {
    std::cerr << NoScreenMessage(missing);
    return 1;
  }
  const std::unique_ptr<TApplication> application = StartApplication(argc, argv);
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
    case CommandLine::Mode::kCsv:
      numtext::ReadLocaleSeparators();
      return RunCsv(line.texts, line.file, std::cout, std::cerr);
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
