#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "chart/columnchart.h"
#include "chart/qtcanvas.h"

namespace {

// One full draw of the program's chart, 296 x 473 with 101 points, into
// the off-screen picture: layout, title, legend, axes and the line.
void PaintChart(benchmark::State& state) {
  chart::TCustomChart chart;
  chart::THorizLineSeries* series = chart::SetUpColumnStrengthChart(chart);
  for (int i = 0; i <= 100; ++i) series->Add(1.0 + 0.87 * i);
  chart::TQtChartCanvas canvas;
  for (auto _ : state) {
    canvas.BeginDraw(296, 473);
    chart.PaintTo(canvas, {0, 0, 296, 473});
    canvas.EndDraw();
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

BENCHMARK(PaintChart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
