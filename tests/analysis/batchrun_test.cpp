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

// Within the promised 1e-6 relative, or 1e-9 % for strengths near 0.
void ExpectClose(long double value, long double exact, long double floor, const char* what) {
  EXPECT_LE(std::fabs(value - exact), std::max(1e-6L * std::fabs(exact), floor)) << what << ' ' << exact;
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
      {[](BatchInputs& i) { i.hours = 1250, i.stepminutes = 0.75L; }, ""},
      {[](BatchInputs& i) { i.stoptoppercent = 101; }, "Крепость отбора для остановки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.stopstillpercent = -1; }, "Крепость в кубе для остановки должна быть от 0 до 100 %"}};
  for (const auto& [change, message] : cases) {
    BatchInputs inputs;
    change(inputs);
    std::string refusal;
    try {
      ValidateBatchInputs(inputs);
    } catch (const EBatchInputError& e) {
      refusal = e.what();
    }
    EXPECT_EQ(refusal, message);
  }
}

// Every row: the main window's calculation at the row's still strength, bit
// for bit, and the charge kept between the still and the product.
void ExpectRowsSound(const BatchRun& run) {
  EXPECT_NE(run.stop, BatchStop::kFailed) << run.failure;
  const BatchInputs& inputs = run.inputs;
  const long double ethanol = inputs.chargekg * inputs.chargepercent / 100;
  model::TColumn window;
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const BatchRow& row = run.rows[i];
    window.Calculate({inputs.power, row.still_percent / 100, inputs.traycount, inputs.refluxratio + 1});
    EXPECT_EQ(row.top_percent, window.topstrength * 100) << i;
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
      {{.chargepercent = 10, .stepminutes = 60, .stoptoppercent = 80}, BatchStop::kTopStrength,
       "Крепость отбора упала ниже заданной"},
      {{.chargepercent = 10, .stepminutes = 60, .stopstillpercent = 5}, BatchStop::kStillStrength,
       "Крепость в кубе упала ниже заданной"},
      {{.chargekg = 2, .power = 2000, .stepminutes = 60, .stopstillpercent = 0}, BatchStop::kStillEmpty,
       "В кубе не осталось спирта"},
      {{.chargekg = 2, .chargepercent = 99, .stepminutes = 60}, BatchStop::kStillEmpty, "В кубе не осталось воды"}};
  for (auto [inputs, stop, text] : cases) {
    const BatchRun run = RunBatch(inputs);
    EXPECT_EQ(run.stop, stop);
    EXPECT_EQ(StopText(run), text);
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
  EXPECT_EQ(StopText(run), "Прошло заданное время");
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
  EXPECT_EQ(StopText(failed), "Кол-во тарелок не может быть больше 100");
  int seen = 0;
  std::stop_source stop;
  const BatchRun stopped = RunBatch(
      {.chargepercent = 10}, [&](const BatchRow&) { if (++seen == 3) stop.request_stop(); }, stop.get_token());
  EXPECT_EQ(stopped.rows.size(), 3u);
  EXPECT_EQ(StopText(stopped), "Перегонка прервана");
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
