#include <benchmark/benchmark.h>

#include "model/column.h"

namespace {

// The window's default inputs (1000 W, 1 %, reflux ratio 15) at a given tray count.
void CalculateColumn(benchmark::State& state, model::Repeats repeats) {
  const model::ColumnInputs inputs{1000, 0.01L, static_cast<int>(state.range(0)), 16.0L};
  model::TColumn column;
  for (auto _ : state) {
    column.Calculate(inputs, repeats);
    benchmark::DoNotOptimize(column.topstrength);
  }
}

BENCHMARK_CAPTURE(CalculateColumn, SkippingRepeats, model::Repeats::kSkip)
    ->Arg(20)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculateColumn, EveryStep, model::Repeats::kCompute)
    ->Arg(20)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
