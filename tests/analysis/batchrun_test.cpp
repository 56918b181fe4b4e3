#include "analysis/batchrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "model/column.h"
#include "model/properties.h"

namespace analysis {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// The window's defaults with a 20 kg charge at 10 %.
BatchInputs Charge(long double kg = 20.0L, long double percent = 10.0L) {
  BatchInputs inputs;
  inputs.chargekg = kg;
  inputs.chargepercent = percent;
  return inputs;
}

// Within the promised 1e-6 relative, or 1e-9 % for strengths near 0.
void ExpectClose(long double value, long double exact, long double floor, const char* what) {
  EXPECT_LE(std::fabs(value - exact), std::max(1e-6L * std::fabs(exact), floor)) << what;
}

TEST(BatchInputs, EachCheckRefusesWithItsMessage) {
  const std::pair<std::function<void(BatchInputs&)>, const char*> cases[] = {
      {[](BatchInputs& i) { i.chargekg = 0; }, "Загрузка куба должна быть больше 0 кг"},
      {[](BatchInputs& i) { i.chargekg = 1.01e9L; }, "Загрузка куба не может быть больше 1000000000 кг"},
      {[](BatchInputs& i) { i.chargepercent = kNaN; }, "Крепость загрузки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.power = -1; }, "Мощность не может быть меньше 0 Вт"},
      {[](BatchInputs& i) { i.refluxratio = -0.5L; }, "Флегмовое число не может быть меньше 0"},
      {[](BatchInputs& i) { i.stepminutes = kNaN; }, "Шаг по времени должен быть больше 0 мин"},
      {[](BatchInputs& i) { i.hours = -1; }, "Время перегонки не может быть меньше 0 ч"},
      // 1250 h in steps of 0.75 min is exactly the largest number of steps.
      {[](BatchInputs& i) { i.hours = 1250.01L, i.stepminutes = 0.75L; },
       "Слишком много шагов: время перегонки, деленное на шаг, больше 100000"},
      {[](BatchInputs& i) { i.stoptoppercent = 101; }, "Крепость отбора для остановки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.stopstillpercent = -1; }, "Крепость в кубе для остановки должна быть от 0 до 100 %"}};
  for (const auto& [change, message] : cases) {
    BatchInputs inputs = Charge();
    change(inputs);
    EXPECT_THROW(
        try { ValidateBatchInputs(inputs); } catch (const EBatchInputError& e) {
          EXPECT_STREQ(e.what(), message);
          throw;
        },
        EBatchInputError);
  }
  BatchInputs largest = Charge();
  largest.hours = 1250;
  largest.stepminutes = 0.75L;
  EXPECT_NO_THROW(ValidateBatchInputs(largest));
  EXPECT_EQ(largest.hours * 60 / largest.stepminutes, kMaxBatchSteps);
}

// Every row: the main window's calculation at the row's still strength, bit
// for bit, and the charge kept between the still and the product.
void ExpectRowsSound(const BatchRun& run) {
  const BatchInputs& inputs = run.inputs;
  const long double ethanol = inputs.chargekg * inputs.chargepercent / 100;
  model::TColumn window;
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const BatchRow& row = run.rows[i];
    window.Calculate({inputs.power, row.still_percent / 100, inputs.traycount, inputs.refluxratio + 1});
    EXPECT_EQ(row.top_percent, window.topstrength * 100) << i;
    EXPECT_EQ(row.product_g_per_h, window.product) << i;
    EXPECT_NEAR(static_cast<double>(row.still_kg + row.product_kg), static_cast<double>(inputs.chargekg),
                1e-14 * static_cast<double>(inputs.chargekg)) << i;
    EXPECT_LE(std::fabs(row.still_ethanol_kg + row.product_ethanol_kg - ethanol), 1e-14L * inputs.chargekg) << i;
    const long double shown =
        row.still_kg * row.still_percent / 100 + row.product_kg * row.product_mean_percent / 100;
    EXPECT_LE(std::fabs(shown - ethanol), 1e-12L * inputs.chargekg) << i;
    EXPECT_GE(row.still_ethanol_kg, 0.0L) << i;
    EXPECT_GE(row.still_kg, row.still_ethanol_kg) << i;
  }
  ASSERT_FALSE(run.rows.empty());
  EXPECT_EQ(run.rows[0].time_h, 0);
  EXPECT_EQ(run.rows[0].still_percent, inputs.chargepercent);
  EXPECT_EQ(run.rows[0].product_kg, 0);
}

// ln(W0 / W) of simple distillation from x0 down to x, the integral of
// dx / (y(x) - x) with the model's equilibrium, by 5-point Gauss-Legendre on
// ever more panels until it no longer changes.
long double RayleighLog(long double x, long double x0) {
  constexpr long double kNode[] = {0.0L, 0.538469310105683091036L, 0.906179845938663992798L};
  constexpr long double kWeight[] = {128.0L / 225, 0.478628670499366468041L, 0.236926885056189087514L};
  long double previous = 0;
  for (int panels = 4;; panels *= 2) {
    long double sum = 0;
    const long double half = (x0 - x) / panels / 2;
    for (int p = 0; p < panels; ++p) {
      const long double middle = x + (2 * p + 1) * half;
      for (int n = 0; n < 3; ++n) {
        for (const long double s : {-1.0L, 1.0L}) {
          const long double at = middle + s * kNode[n] * half;
          sum += (n == 0 ? kWeight[0] / 2 : kWeight[n]) * half / (model::vapourstrength(at) - at);
        }
      }
    }
    if (std::fabs(sum - previous) <= 1e-16L * sum) return sum;
    previous = sum;
  }
}

TEST(BatchRun, NoTraysNoRefluxIsSimpleDistillation) {
  BatchInputs inputs = Charge();
  inputs.traycount = 0;
  inputs.refluxratio = 0;
  inputs.stepminutes = 30;
  inputs.hours = 5;
  inputs.stopstillpercent = 0;
  const BatchRun run = RunBatch(inputs);
  ASSERT_EQ(run.rows.size(), 11u);
  ExpectRowsSound(run);
  for (const BatchRow& row : run.rows) {
    const long double exact = 20 * std::exp(-RayleighLog(row.still_percent / 100, 0.1L));
    ExpectClose(row.still_kg, exact, 0, "still");
  }
}

TEST(BatchRun, KeepsItsAccuracyAgainstAMuchTighterRun) {
  // Through the top's fall past the azeotrope and 80 %, until the still has
  // no ethanol left.
  BatchInputs inputs = Charge(20, 10);
  inputs.stepminutes = 20;
  inputs.stopstillpercent = 0;
  BatchInputs tight = inputs;
  tight.steptolerance = inputs.steptolerance * 1e-3L;
  const BatchRun run = RunBatch(inputs);
  const BatchRun exact = RunBatch(tight);
  ExpectRowsSound(run);
  EXPECT_EQ(run.stop, BatchStop::kStillEmpty);
  ASSERT_EQ(run.rows.size(), exact.rows.size());
  EXPECT_LT(run.calculations, exact.calculations);
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const BatchRow& row = run.rows[i];
    const BatchRow& want = exact.rows[i];
    ExpectClose(row.time_h, want.time_h, 0, "time");
    ExpectClose(row.still_kg, want.still_kg, 0, "still kg");
    ExpectClose(row.still_percent, want.still_percent, 1e-9L, "still %");
    ExpectClose(row.product_kg, want.product_kg, 0, "product kg");
    ExpectClose(row.product_mean_percent, want.product_mean_percent, 1e-9L, "mean %");
  }
}

TEST(BatchRun, LocatesAStopBetweenRows) {
  BatchInputs top = Charge(20, 10);
  top.stoptoppercent = 80;
  BatchInputs still = Charge(20, 10);
  still.stopstillpercent = 5;
  // A small weak charge runs out of ethanol; one above the azeotrope gives
  // off water-richer vapour than it holds and runs out of water.
  BatchInputs weak = Charge(2, 1);
  weak.power = 2000;
  weak.stopstillpercent = 0;
  BatchInputs strong = Charge(2, 99);
  const std::tuple<BatchInputs, BatchStop, const char*> cases[] = {
      {top, BatchStop::kTopStrength, "Крепость отбора упала ниже заданной"},
      {still, BatchStop::kStillStrength, "Крепость в кубе упала ниже заданной"},
      {weak, BatchStop::kStillEmpty, "В кубе не осталось спирта"},
      {strong, BatchStop::kStillEmpty, "В кубе не осталось воды"}};
  for (auto [inputs, stop, text] : cases) {
    inputs.stepminutes = 60;
    const BatchRun run = RunBatch(inputs);
    EXPECT_EQ(run.stop, stop);
    EXPECT_EQ(StopText(run), text);
    ExpectRowsSound(run);
    ASSERT_GE(run.rows.size(), 2u);
    const BatchRow& last = run.rows.back();
    EXPECT_NE(std::fmod(last.time_h, 1.0L), 0.0L) << text;
    // A run that ends a hair earlier has not yet reached the stop.
    inputs.hours = last.time_h * (1 - 1e-8L);
    const BatchRun before = RunBatch(inputs);
    EXPECT_EQ(before.stop, BatchStop::kHours) << text;
    EXPECT_GT(before.rows.back().still_ethanol_kg, 0) << text;
    EXPECT_GT(before.rows.back().still_kg, before.rows.back().still_ethanol_kg) << text;
  }
}

TEST(BatchRun, EndsAtTheRunsLengthOrStartsStopped) {
  BatchInputs hours = Charge(20, 10);
  hours.hours = 0.05L;  // 3 minutes in steps of 2: the last step is 1 minute
  hours.stepminutes = 2;
  const BatchRun run = RunBatch(hours);
  EXPECT_EQ(run.stop, BatchStop::kHours);
  EXPECT_EQ(StopText(run), "Прошло заданное время");
  ASSERT_EQ(run.rows.size(), 3u);
  EXPECT_EQ(run.rows[2].time_h, 0.05L);
  hours.hours = 0;
  EXPECT_EQ(RunBatch(hours).rows.size(), 1u);
  const BatchRun weak = RunBatch(Charge(20, 0.05L));  // below the 0.1 % stop
  EXPECT_EQ(weak.stop, BatchStop::kStillStrength);
  EXPECT_EQ(weak.rows.size(), 1u);
}

TEST(BatchRun, RowTimesDoNotDrift) {
  BatchInputs inputs = Charge();
  inputs.traycount = 0;
  inputs.stepminutes = 0.01L;
  inputs.hours = 1;
  const BatchRun run = RunBatch(inputs);
  ASSERT_GE(run.rows.size(), 6001u);
  for (std::size_t k = 0; k <= 6000; ++k) {
    const long double exact = static_cast<long double>(k) / 6000;
    EXPECT_LE(std::fabs(run.rows[k].time_h - exact), 0x1p-62L * exact) << k;
  }
}

TEST(BatchRun, FailuresAndUnusualInputs) {
  BatchInputs failing = Charge();
  failing.traycount = 101;
  const BatchRun failed = RunBatch(failing);
  EXPECT_EQ(failed.stop, BatchStop::kFailed);
  EXPECT_TRUE(failed.rows.empty());
  EXPECT_EQ(StopText(failed), "Кол-во тарелок не может быть больше 100");
  // No power, no trays, no ethanol, pure ethanol, a huge power.
  const std::function<void(BatchInputs&)> changes[] = {
      [](BatchInputs& i) { i.power = 0; }, [](BatchInputs& i) { i.traycount = -3; },
      [](BatchInputs& i) { i.chargepercent = 0, i.stopstillpercent = 0; },
      [](BatchInputs& i) { i.chargepercent = 100; }, [](BatchInputs& i) { i.power = 2000000000; }};
  for (const auto& change : changes) {
    BatchInputs inputs = Charge();
    inputs.stepminutes = 30;
    change(inputs);
    const BatchRun run = RunBatch(inputs);
    EXPECT_NE(run.stop, BatchStop::kFailed) << run.failure;
    ExpectRowsSound(run);
  }
}

TEST(BatchRun, ObserverAndStopTokenCancel) {
  int seen = 0;
  const BatchRun stopped = RunBatch(Charge(), [&seen](const BatchRow&) { return ++seen < 3; });
  EXPECT_EQ(stopped.stop, BatchStop::kCancelled);
  EXPECT_EQ(stopped.rows.size(), 3u);
  EXPECT_EQ(StopText(stopped), "Перегонка прервана");
  std::stop_source source;
  const BatchRun requested = RunBatch(
      Charge(),
      [&source](const BatchRow& row) {
        if (row.time_h >= 0.05L) source.request_stop();
        return true;
      },
      source.get_token());
  EXPECT_EQ(requested.stop, BatchStop::kCancelled);
  EXPECT_EQ(requested.rows.size(), 4u);  // 0, 1, 2 and 3 minutes
}

}  // namespace
}  // namespace analysis
