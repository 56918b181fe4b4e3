#include <benchmark/benchmark.h>

#include "model/column.h"

namespace {

// The window's default inputs (1000 W, 1 %, reflux ratio 15) at a given tray count.
void CalculateColumn(benchmark::State& state, model::Repeats repeats) {
  const model::ColumnInputs inputs{1000, model::Strength::FromFraction(0.01L),
                                   static_cast<int>(state.range(0)), model::RefluxRatio::FromRatio(15)};
  for (auto _ : state) {
    const model::ColumnResult result = model::Calculate(inputs, repeats);
    benchmark::DoNotOptimize(result.topstrength);
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

// Calculations one after another at slowly falling still strengths, as a
// batch run makes them, from the given strength in per mille down by 0.01 %
// of it per calculation (1000 W, 20 trays, reflux ratio 15). Repeating one
// input would find every trial strength of the top-down solution remembered.
void CalculateNearbyColumns(benchmark::State& state) {
  const long double first = state.range(0) / 1000.0L;
  long double strength = first;
  for (auto _ : state) {
    const model::ColumnResult result = model::Calculate(
        {1000, model::Strength::FromFraction(strength), 20, model::RefluxRatio::FromRatio(15)});
    benchmark::DoNotOptimize(result.topstrength);
    strength = strength > first / 2 ? strength * 0.9999L : first;
  }
}

BENCHMARK(CalculateNearbyColumns)->Arg(100)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
