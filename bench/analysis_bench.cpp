#include <benchmark/benchmark.h>

#include "analysis/batchrun.h"

namespace {

// The main window's defaults (1000 W, 20 trays, reflux ratio 15) at 1-minute
// steps for 24 hours, with no stop but the clock and an empty still.
void RunBatch(benchmark::State& state) {
  analysis::BatchInputs inputs;
  inputs.chargekg = static_cast<long double>(state.range(0));
  inputs.chargepercent = 10;
  inputs.stoptoppercent = 0;
  inputs.stopstillpercent = 0;
  long long calculations = 0;
  for (auto _ : state) {
    const analysis::BatchRun run = analysis::RunBatch(inputs);
    calculations = run.calculations;
    benchmark::DoNotOptimize(run.rows.back().product_kg);
  }
  // 20 kg at 10 % runs out of ethanol after some 15 hours; 40 kg lasts the
  // whole day, through the strong and the weak part of the run.
  state.counters["calculations"] = static_cast<double>(calculations);
}

BENCHMARK(RunBatch)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
