#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>

#include "analysis/inverse.h"
#include "analysis/studyrun.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The window's default study (1000 W, 1 %, trays 1 2 5 10 20 40, reflux
// ratio 0..20 by 101 points) on workers that are already running, as the
// program keeps them. Wall time of the whole study, and the counter
// first_line_ms: when the first line reached its callback.
void DefaultStudy(benchmark::State& state) {
  analysis::TWorkers workers(static_cast<int>(state.range(0)));
  const analysis::Study study;
  double firstline = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    std::atomic<bool> seen{false};
    analysis::CalculateStudy(workers, study, [&](int, const analysis::StudyLine&) {
      if (!seen.exchange(true)) firstline += MillisecondsSince(start);
    });
  }
  state.counters["first_line_ms"] =
      benchmark::Counter(firstline, benchmark::Counter::kAvgIterations);
}
BENCHMARK(DefaultStudy)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same study with the workers' threads started and joined each time.
void DefaultStudyWithNewPool(benchmark::State& state) {
  for (auto _ : state) {
    analysis::TWorkers workers(2);
    benchmark::DoNotOptimize(analysis::RunStudy(analysis::Study{}, workers));
  }
}
BENCHMARK(DefaultStudyWithNewPool)->UseRealTime()->Unit(benchmark::kMillisecond);

// The inverse questions at the window's defaults: a reachable 80 % (the scan
// stops at 16.72), and 90 %, which no reflux ratio up to 20 reaches, so all
// 2001 candidates are calculated.
void LeastRefluxRatio(benchmark::State& state) {
  const model::ColumnInputs inputs{1000, model::Strength::FromFraction(0.01L), 20,
                                   model::RefluxRatio::FromRatio(15)};
  const long double target = static_cast<long double>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(analysis::LeastRefluxRatio(inputs, analysis::RefluxRange{}, target));
  }
}
BENCHMARK(LeastRefluxRatio)->Arg(80)->Arg(90)->UseRealTime()->Unit(benchmark::kMillisecond);

void LeastTrayCount(benchmark::State& state) {
  const model::ColumnInputs inputs{1000, model::Strength::FromFraction(0.01L), 20,
                                   model::RefluxRatio::FromRatio(15)};
  for (auto _ : state) benchmark::DoNotOptimize(analysis::LeastTrayCount(inputs, 80));
}
BENCHMARK(LeastTrayCount)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
