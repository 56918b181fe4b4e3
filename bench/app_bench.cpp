// The calculate command at 100 trays on real widgets under the offscreen
// platform: parsing, the column calculation, the 712 report lines, the still
// output and the chart feed. Target: under 16 ms, one frame at 60 Hz.
#include <benchmark/benchmark.h>

#include <QListWidget>

#include "app/program.h"
#include "widgets/application.h"

namespace {

widgets::TApplication& Application() {
  static int argc = 1;
  static char name[] = "app_bench";
  static char* argv[] = {name, nullptr};
  static widgets::TApplication* application = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new widgets::TApplication(argc, argv);
  }();
  return *application;
}

void CalculateCommand(benchmark::State& state, bool paint) {
  Application();
  app::TProgramWindows windows;
  app::TMainForm& form = windows.mainWindow;
  form.SetTexts({"1000", "1", "100", "15"});
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    form.CalculateClicked();
    if (paint) form.repaint();
  }
  const auto* report = form.findChild<QListWidget*>("reportList");
  if (report->count() != 712) state.SkipWithError("the report is not complete");
  state.counters["report lines"] = report->count();
}

// The click handler alone.
void BM_CalculateCommand100Trays(benchmark::State& state) { CalculateCommand(state, false); }
BENCHMARK(BM_CalculateCommand100Trays)->Unit(benchmark::kMillisecond);

// The click handler and the repaint of the whole window that follows it.
void BM_CalculateAndRepaint100Trays(benchmark::State& state) { CalculateCommand(state, true); }
BENCHMARK(BM_CalculateAndRepaint100Trays)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
