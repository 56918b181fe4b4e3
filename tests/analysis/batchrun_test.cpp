#include "analysis/batchrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "model/column.h"
#include "model/properties.h"

namespace analysis {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// Within the promised 1e-6 relative, or 1e-9 % for strengths near 0.
void ExpectClose(long double value, long double exact, long double floor, const char* what) {
  EXPECT_LE(std::fabs(value - exact), std::max(1e-6L * std::fabs(exact), floor)) << what << ' ' << exact;
}

TEST(BatchInputs, EachCheckRefusesWithItsReason) {
  using enum BatchRefusal;
  const std::pair<std::function<void(BatchInputs&)>, std::optional<BatchRefusal>> cases[] = {
      {[](BatchInputs& i) { i.chargekg = 0; }, kChargeNotAboveZero},
      {[](BatchInputs& i) { i.chargekg = 1.01e9L; }, kChargeTooLarge},
      {[](BatchInputs& i) { i.chargepercent = kNaN; }, kChargeStrengthOutOfRange},
      {[](BatchInputs& i) { i.power = -1; }, kPowerBelowZero},
      {[](BatchInputs& i) { i.refluxratio = -0.5L; }, kRefluxBelowZero},
      {[](BatchInputs& i) { i.stepminutes = kNaN; }, kStepNotAboveZero},
      {[](BatchInputs& i) { i.hours = -1; }, kHoursBelowZero},
      // 1250 h in steps of 0.75 min is exactly the largest number of steps.
      {[](BatchInputs& i) { i.hours = 1250.01L, i.stepminutes = 0.75L; }, kTooManySteps},
      {[](BatchInputs& i) { i.hours = 1250, i.stepminutes = 0.75L; }, std::nullopt},
      {[](BatchInputs& i) { i.stoptoppercent = 101; }, kStopTopOutOfRange},
      {[](BatchInputs& i) { i.stopstillpercent = -1; }, kStopStillOutOfRange}};
  for (const auto& [change, expected] : cases) {
    BatchInputs inputs;
    change(inputs);
    std::optional<BatchRefusal> refusal;
    try {
      ValidateBatchInputs(inputs);
    } catch (const EBatchInputError& e) {
      refusal = e.refusal;
    }
    EXPECT_EQ(refusal, expected);
  }
}

// Every row: the main window's calculation at the row's still strength, bit
// for bit, and the charge kept between the still and the product.
void ExpectRowsSound(const BatchRun& run) {
  EXPECT_NE(run.stop, BatchStop::kFailed) << run.failure;
  const BatchInputs& inputs = run.inputs;
  const long double ethanol = inputs.chargekg * inputs.chargepercent / 100;
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const BatchRow& row = run.rows[i];
    const model::ColumnResult window =
        model::Calculate({inputs.power, model::Strength::FromPercent(row.still_percent), inputs.traycount,
                          model::RefluxRatio::FromRatio(inputs.refluxratio)});
    EXPECT_EQ(row.top_percent, window.topstrength.Percent()) << i;
    EXPECT_EQ(row.product_g_per_h, window.product) << i;
    EXPECT_LE(std::fabs(row.still_kg + row.product_kg - inputs.chargekg), 1e-15L * inputs.chargekg) << i;
    EXPECT_LE(std::fabs(row.still_ethanol_kg + row.product_ethanol_kg - ethanol), 1e-15L * inputs.chargekg) << i;
    EXPECT_TRUE(row.still_ethanol_kg >= 0 && row.still_kg >= row.still_ethanol_kg) << i;
  }
  ASSERT_FALSE(run.rows.empty());
  EXPECT_EQ(run.rows[0].still_percent, inputs.chargepercent);
}

// ln(W0 / W) of simple distillation from x0 down to x, the integral of
// dx / (y(x) - x) with the model's equilibrium, by 3-point Gauss-Legendre on
// ever more panels until it no longer changes.
long double RayleighLog(long double x, long double x0) {
  constexpr long double kNode = 0.774596669241483377035853L;
  long double previous = 0;
  for (int panels = 4;; panels *= 2) {
    long double sum = 0;
    const long double half = (x0 - x) / panels / 2;
    for (int p = 0; p < panels; ++p) {
      const long double middle = x + (2 * p + 1) * half;
      for (const auto& [at, weight] : {std::pair{middle - kNode * half, 5.0L}, {middle, 8.0L}, {middle + kNode * half, 5.0L}}) {
        sum += weight / 9 * half / (model::vapourstrength(at) - at);
      }
    }
    if (std::fabs(sum - previous) <= 1e-15L * sum) return sum;
    previous = sum;
  }
}

TEST(BatchRun, NoTraysNoRefluxIsSimpleDistillation) {
  const BatchRun run = RunBatch(
      {.chargepercent = 10, .traycount = 0, .refluxratio = 0, .stepminutes = 30, .stopstillpercent = 0, .hours = 5});
  ASSERT_EQ(run.rows.size(), 11u);
  ExpectRowsSound(run);
  for (const BatchRow& row : run.rows) {
    ExpectClose(row.still_kg, 20 * std::exp(-RayleighLog(row.still_percent / 100, 0.1L)), 0, "still");
  }
}

TEST(BatchRun, KeepsItsAccuracyAgainstAMuchTighterRun) {
  // Through the top's fall past the azeotrope and 80 %, until the still has
  // no ethanol left.
  const BatchInputs inputs{.chargepercent = 10, .stepminutes = 20, .stopstillpercent = 0};
  BatchInputs tight = inputs;
  tight.steptolerance = inputs.steptolerance * 1e-3L;
  const BatchRun run = RunBatch(inputs);
  const BatchRun exact = RunBatch(tight);
  ExpectRowsSound(run);
  EXPECT_EQ(run.stop, BatchStop::kStillEmpty);
  ASSERT_EQ(run.rows.size(), exact.rows.size());
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    for (const auto& [field, floor] : {std::pair{&BatchRow::time_h, 0.0L}, {&BatchRow::still_kg, 0.0L},
                                       {&BatchRow::still_percent, 1e-9L}, {&BatchRow::product_kg, 0.0L},
                                       {&BatchRow::product_mean_percent, 1e-9L}}) {
      ExpectClose(run.rows[i].*field, exact.rows[i].*field, floor, "row");
    }
  }
}

TEST(BatchRun, LocatesAStopBetweenRows) {
  // A small weak charge runs out of ethanol; one above the azeotrope gives
  // off water-richer vapour than it holds and runs out of water.
  const std::tuple<BatchInputs, BatchStop, const char*> cases[] = {
      {{.chargepercent = 10, .stepminutes = 60, .stoptoppercent = 80}, BatchStop::kTopStrength, "top"},
      {{.chargepercent = 10, .stepminutes = 60, .stopstillpercent = 5}, BatchStop::kStillStrength, "still"},
      {{.chargekg = 2, .power = 2000, .stepminutes = 60, .stopstillpercent = 0}, BatchStop::kStillEmpty,
       "no ethanol"},
      {{.chargekg = 2, .chargepercent = 99, .stepminutes = 60}, BatchStop::kStillEmpty, "no water"}};
  for (auto [inputs, stop, text] : cases) {
    const BatchRun run = RunBatch(inputs);
    EXPECT_EQ(run.stop, stop);
    const BatchRow& last = run.rows.back();
    EXPECT_EQ(last.still_ethanol_kg == 0, text == std::string("no ethanol")) << text;
    EXPECT_EQ(last.still_kg == last.still_ethanol_kg, text == std::string("no water")) << text;
    ExpectRowsSound(run);
    ASSERT_GE(run.rows.size(), 2u);
    EXPECT_NE(std::fmod(run.rows.back().time_h, 1.0L), 0.0L) << text;
    // A run that ends a hair earlier has not yet reached the stop.
    inputs.hours = run.rows.back().time_h * (1 - 1e-8L);
    const BatchRun before = RunBatch(inputs);
    EXPECT_EQ(before.stop, BatchStop::kHours) << text;
    EXPECT_TRUE(before.rows.back().still_ethanol_kg > 0 &&
                before.rows.back().still_kg > before.rows.back().still_ethanol_kg) << text;
  }
}

TEST(BatchRun, EndsAtTheRunsLengthOrStartsStopped) {
  // 3 minutes in steps of 2: the last step is 1 minute.
  const BatchRun run = RunBatch({.chargepercent = 10, .stepminutes = 2, .hours = 0.05L});
  EXPECT_EQ(run.stop, BatchStop::kHours);
  ASSERT_EQ(run.rows.size(), 3u);
  EXPECT_EQ(run.rows[2].time_h, 0.05L);
  const BatchRun weak = RunBatch({.chargepercent = 0.05L});  // below the 0.1 % stop
  EXPECT_EQ(weak.stop, BatchStop::kStillStrength);
  EXPECT_EQ(weak.rows.size(), 1u);
}

TEST(BatchRun, RowTimesDoNotDrift) {
  const BatchRun run = RunBatch({.chargepercent = 10, .traycount = 0, .stepminutes = 0.01L, .hours = 1});
  ASSERT_GE(run.rows.size(), 6001u);
  for (std::size_t k = 0; k <= 6000; ++k) {
    const long double exact = static_cast<long double>(k) / 6000;
    EXPECT_LE(std::fabs(run.rows[k].time_h - exact), 0x1p-62L * exact) << k;
  }
}

TEST(BatchRun, FailuresCancelsAndUnusualInputs) {
  const BatchRun failed = RunBatch({.traycount = 101});
  EXPECT_EQ(std::pair(failed.stop, failed.failure), std::pair(BatchStop::kFailed, std::string("Кол-во тарелок не может быть больше 100")));
  int seen = 0;
  std::stop_source stop;
  const BatchRun stopped = RunBatch(
      {.chargepercent = 10}, [&](const BatchRow&) { if (++seen == 3) stop.request_stop(); }, stop.get_token());
  EXPECT_EQ(stopped.rows.size(), 3u);
  EXPECT_EQ(stopped.stop, BatchStop::kCancelled);
  // No power, no ethanol, pure ethanol, a huge power.
  const std::function<void(BatchInputs&)> changes[] = {
      [](BatchInputs& i) { i.power = 0; }, [](BatchInputs& i) { i.chargepercent = 0, i.stopstillpercent = 0; },
      [](BatchInputs& i) { i.chargepercent = 100; }, [](BatchInputs& i) { i.power = 2000000000; }};
  for (const auto& change : changes) {
    BatchInputs inputs{.chargepercent = 10, .stepminutes = 30};
    change(inputs);
    ExpectRowsSound(RunBatch(inputs));
  }
}

}  // namespace
}  // namespace analysis
