// Number text against the C library on the values the report and the chart
// write: FormatFloat beside snprintf("%.2Lf"), StrToFloat beside strtold.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace {

// Strengths, temperatures, flows and heats of a typical report, with a few
// negative and tiny values.
std::vector<long double> ReportValues() {
  std::vector<long double> values;
  for (int i = 0; i < 64; ++i) {
    const long double step = static_cast<long double>(i);
    values.push_back(0.37L + step * 1.5311L);         // per cent
    values.push_back(78.15L + step * 0.3477L);        // degrees
    values.push_back(1490.0L + step * 871.93L);       // grams per hour
    values.push_back(-0.004L - step * 0.0131L);       // small, negative
    values.push_back(123456.789L * (step + 1.0L));    // large, grouped
  }
  return values;
}

const std::vector<long double>& Values() {
  static const std::vector<long double> values = ReportValues();
  return values;
}

void FormatFloatPattern(benchmark::State& state, const char* pattern) {
  numtext::SetLocaleSeparators(".", ",");
  for (auto _ : state) {
    for (const long double value : Values()) {
      std::string text = numtext::FormatFloat(pattern, value);
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

void Snprintf(benchmark::State& state) {
  for (auto _ : state) {
    for (const long double value : Values()) {
      char text[64];
      const int length = std::snprintf(text, sizeof text, "%.2Lf", value);
      std::string result(text, static_cast<std::size_t>(length));
      benchmark::DoNotOptimize(result);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

std::vector<std::string> Texts() {
  numtext::SetLocaleSeparators(".", ",");
  std::vector<std::string> texts;
  for (const long double value : Values()) texts.push_back(numtext::FormatFloat("0.00", value));
  return texts;
}

void StrToFloat(benchmark::State& state) {
  const std::vector<std::string> texts = Texts();
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(numtext::StrToFloat(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void Strtold(benchmark::State& state) {
  const std::vector<std::string> texts = Texts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

}  // namespace

BENCHMARK_CAPTURE(FormatFloatPattern, Units, "0");
BENCHMARK_CAPTURE(FormatFloatPattern, TwoDecimals, "00.00");
BENCHMARK_CAPTURE(FormatFloatPattern, OneDecimal, "00.0");
BENCHMARK_CAPTURE(FormatFloatPattern, Grouped, "#,##0.###");
BENCHMARK(Snprintf);
BENCHMARK(StrToFloat);
BENCHMARK(Strtold);

BENCHMARK_MAIN();
