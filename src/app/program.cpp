#include "app/program.h"

#include <QBuffer>
#include <QByteArray>
#include <QPixmap>
#include <unistd.h>

#include <exception>
#include <memory>
#include <iostream>
#include <string>
#include <vector>

#include "app/platformstart.h"
#include "app/xyform.h"
#include "chart/chartwidget.h"
#include "chart/qtcanvas.h"
#include "chart/svgcanvas.h"
#include "cli/commandline.h"
#include "commands/errortext.h"
#include "commands/savefile.h"
#include "numtext/numtext.h"
#include "widgets/application.h"
#include "widgets/resultfiles.h"
#include "widgets/studychart.h"

namespace app {
namespace {

// The study's chart on its own: the size of the study window's chart.
constexpr int kStudyChartWidth = 640;
constexpr int kStudyChartHeight = 400;

std::string ChartPng(chart::TCustomChart& chart, int width, int height) {
  chart::TQtChartCanvas canvas;
  canvas.BeginDraw(width, height);
  chart.PaintTo(canvas, chart::TRect{0, 0, width, height});
  canvas.EndDraw();
  return widgets::PngBytes(canvas.Image());
}

// The window's picture as PNG, or the chart's as SVG when the name says so.
std::string PictureBytes(QWidget& window, const std::string& file) {
  if (auto* chart = qobject_cast<chart::TChart*>(&window); chart && commands::IsSvgName(file)) {
    return chart::ChartSvg(*chart, chart->width(), chart->height());
  }
  return widgets::PngBytes(window.grab().toImage());
}

// The application for drawing pictures: on the offscreen platform unless
// one is named, so that no window appears on a screen and no display is
// needed. It holds the arguments the toolkit keeps referring to.
class TPictureApplication {
 public:
  explicit TPictureApplication(const char* programName) : name_(programName) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = StartApplication(argc_, argv_);
    application_->SetErrorStream(&std::cerr);
  }
  widgets::TApplication& operator*() const { return *application_; }

 private:
  std::string name_;
  char* argv_[2] = {name_.data(), nullptr};
  int argc_ = 1;
  std::unique_ptr<widgets::TApplication> application_;
};

int RunScreenshot(const cli::CommandLine& line, const char* programName) {
  const TPictureApplication started(programName);
  widgets::TApplication& application = *started;
  TProgramWindows windows;

  QWidget* window = &windows.informationWindow;
  if (line.mode != cli::CommandLine::Mode::kInfoScreenshot) {
    TMainForm& form = windows.mainWindow;
    window = &form;
    if (line.textsGiven) form.SetTexts(line.texts);
    form.show();
    try {
      form.CalculateClicked();
    } catch (const std::exception& error) {
      // The message is the result; no picture of a failed calculation
      // replaces the file.
      application.HandleException(error);
      return 1;
    }
  }
  window->show();
  QApplication::processEvents();
  // The chart is saved as it paints inside the shown window.
  if (line.mode == cli::CommandLine::Mode::kChart) window = &windows.mainWindow.StrengthChart();
  if (line.mode == cli::CommandLine::Mode::kXyChart) {
    // As the menu entry "Диаграмма x–y…" runs it.
    widgets::Guarded([&windows] { windows.mainWindow.XyClicked(); })();
    TXyForm& xy = *windows.mainWindow.XyWindow();
    QApplication::processEvents();
    window = commands::IsSvgName(line.file) ? static_cast<QWidget*>(&xy.XyChart()) : &xy;
  }
  return cli::WriteResult(line.file, PictureBytes(*window, line.file), std::cout, std::cerr) ? 0 : 1;
}

// The study's chart alone, drawn as the study window draws it.
int RunStudyChart(const cli::CommandLine& line, const char* programName, std::ostream* progress) {
  analysis::Study study;
  try {
    study = cli::StudyOf(line);
  } catch (const std::exception& error) {
    std::cerr << commands::ErrorBoxText(commands::ErrorMessage(error)) << '\n';
    return 1;
  }
  const std::vector<analysis::StudyLine> lines = cli::StudyLines(study, progress);

  const TPictureApplication application(programName);
  chart::TCustomChart chart;
  widgets::TStudyChart studyChart(chart, widgets::StudyQuantity::kTopStrength);
  studyChart.Reset(study.traycounts);
  for (std::size_t i = 0; i < lines.size(); ++i) studyChart.ShowLine(static_cast<int>(i), lines[i]);
  const std::string bytes = commands::IsSvgName(line.file) ? chart::ChartSvg(chart, kStudyChartWidth, kStudyChartHeight)
                                                 : ChartPng(chart, kStudyChartWidth, kStudyChartHeight);
  return cli::WriteResult(line.file, bytes, std::cout, std::cerr) ? 0 : 1;
}

int RunWindow(int argc, char** argv) {
  const std::string missing = MissingScreen(CurrentScreenEnvironment());
  if (!missing.empty()) {
    std::cerr << NoScreenMessage(missing);
    return 1;
  }
  const std::unique_ptr<widgets::TApplication> application = StartApplication(argc, argv);
  TProgramWindows windows;
  windows.mainWindow.show();
  return QApplication::exec();
}

}  // namespace

int RunProgram(int argc, char** argv) {
  commands::IgnoreWriteSignals();
  const cli::CommandLine line = cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  // Every mode reads or writes numbers with the user's separators.
  numtext::ReadLocaleSeparators();
  // Long runs show how far they have come to a user who watches them.
  std::ostream* const progress = ::isatty(STDERR_FILENO) ? &std::cerr : nullptr;
  switch (line.mode) {
    case cli::CommandLine::Mode::kWindow:
      return RunWindow(argc, argv);
    case cli::CommandLine::Mode::kReport:
      return cli::RunReport(line.texts, line.switches, std::cout, std::cerr);
    case cli::CommandLine::Mode::kCsv:
      return cli::RunCsv(line.texts, line.file, std::cout, std::cerr);
    case cli::CommandLine::Mode::kStudy:
      return cli::RunStudyCsv(line, std::cout, std::cerr, progress);
    case cli::CommandLine::Mode::kBatch:
      return cli::RunBatchCsv(line, std::cout, std::cerr, progress);
    case cli::CommandLine::Mode::kNeed:
      return cli::RunNeed(line, std::cout, std::cerr);
    case cli::CommandLine::Mode::kConvert:
      return cli::RunConvert(line.convert, std::cout, std::cerr);
    case cli::CommandLine::Mode::kStudyChart:
      return RunStudyChart(line, argv[0], progress);
    case cli::CommandLine::Mode::kScreenshot:
    case cli::CommandLine::Mode::kChart:
    case cli::CommandLine::Mode::kXyChart:
    case cli::CommandLine::Mode::kInfoScreenshot:
      return RunScreenshot(line, argv[0]);
    case cli::CommandLine::Mode::kHelp:
      return cli::WriteResult("-", cli::HelpText(), std::cout, std::cerr) ? 0 : 1;
    case cli::CommandLine::Mode::kVersion:
      return cli::WriteResult("-", cli::VersionText(), std::cout, std::cerr) ? 0 : 1;
    case cli::CommandLine::Mode::kError:
      break;
  }
  std::cerr << "stillwise: " << line.error << "\nTry 'stillwise --help' for more information.\n";
  return 2;
}

}  // namespace app
