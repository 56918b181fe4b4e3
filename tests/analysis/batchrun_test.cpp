#include "analysis/batchrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "model/column.h"

namespace analysis {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

// The window's defaults with a 20 kg charge at 10 %.
BatchInputs Charge(long double kg = 20.0L, long double percent = 10.0L) {
  BatchInputs inputs;
  inputs.chargekg = kg;
  inputs.chargepercent = percent;
  return inputs;
}

std::string InputError(const BatchInputs& inputs) {
  try {
    RunBatch(inputs);
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return "";
}

TEST(BatchInputs, OutOfRangeGivesItsMessage) {
  const std::pair<std::function<void(BatchInputs&)>, const char*> cases[] = {
      {[](BatchInputs& i) { i.chargekg = 0; }, "Загрузка куба должна быть больше 0 кг"},
      {[](BatchInputs& i) { i.chargekg = -1; }, "Загрузка куба должна быть больше 0 кг"},
      {[](BatchInputs& i) { i.chargekg = kNaN; }, "Загрузка куба должна быть больше 0 кг"},
      {[](BatchInputs& i) { i.chargekg = kInfinity; },
       "Загрузка куба не может быть больше 1000000000 кг"},
      {[](BatchInputs& i) { i.chargepercent = -0.01L; },
       "Крепость загрузки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.chargepercent = 100.01L; },
       "Крепость загрузки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.chargepercent = kNaN; },
       "Крепость загрузки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.power = -1; }, "Мощность не может быть меньше 0 Вт"},
      {[](BatchInputs& i) { i.refluxratio = -0.5L; }, "Флегмовое число не может быть меньше 0"},
      {[](BatchInputs& i) { i.refluxratio = kNaN; }, "Флегмовое число не может быть меньше 0"},
      {[](BatchInputs& i) { i.stepminutes = 0; }, "Шаг по времени должен быть больше 0 мин"},
      {[](BatchInputs& i) { i.stepminutes = kNaN; }, "Шаг по времени должен быть больше 0 мин"},
      {[](BatchInputs& i) { i.hours = -1; }, "Время перегонки не может быть меньше 0 ч"},
      {[](BatchInputs& i) { i.hours = kInfinity; },
       "Слишком много шагов: время перегонки, деленное на шаг, больше 100000"},
      {[](BatchInputs& i) { i.stepminutes = 1e-6L; },
       "Слишком много шагов: время перегонки, деленное на шаг, больше 100000"},
      {[](BatchInputs& i) { i.stoptoppercent = 101; },
       "Крепость отбора для остановки должна быть от 0 до 100 %"},
      {[](BatchInputs& i) { i.stopstillpercent = -1; },
       "Крепость в кубе для остановки должна быть от 0 до 100 %"}};
  for (const auto& [change, message] : cases) {
    BatchInputs inputs = Charge();
    change(inputs);
    EXPECT_EQ(InputError(inputs), message);
  }
}

TEST(BatchRun, FirstRowIsTheChargeWithTheWindowsCalculation) {
  const BatchRun run = RunBatch(Charge(20, 1));
  ASSERT_FALSE(run.rows.empty());
  const BatchRow& first = run.rows.front();
  // The main window's results for 1000 W, 1 %, 20 trays, reflux ratio 15.
  model::TColumn window;
  window.Calculate({1000, 1.0L / 100.0L, 20, 15.0L + 1.0L});
  EXPECT_EQ(first.top_percent, window.topstrength * 100.0L);
  EXPECT_EQ(first.product_g_per_h, window.product);
  EXPECT_EQ(first.time_h, 0.0L);
  EXPECT_EQ(first.still_kg, 20.0L);
  EXPECT_NEAR(static_cast<double>(first.still_percent), 1.0, 1e-15);
  EXPECT_EQ(first.product_kg, 0.0L);
  EXPECT_EQ(first.product_mean_percent, 0.0L);
}

TEST(BatchRun, OneStepTakesTheTakeOffAtTheTopStrength) {
  BatchInputs inputs = Charge(20, 10);
  inputs.stepminutes = 6;
  const BatchRun run = RunBatch(inputs);
  ASSERT_GE(run.rows.size(), 2u);
  // 20 kg at 10 %, 1000 W: the column gives D and xD; a tenth of an hour
  // takes D / 10 grams at strength xD.
  model::TColumn column;
  column.Calculate({1000, 0.1L, 20, 16.0L});
  const long double taken = column.product / 10.0L;
  const long double ethanol = column.productethanol / 10.0L;
  const BatchRow& second = run.rows[1];
  EXPECT_NEAR(static_cast<double>(second.time_h), 0.1, 1e-15);
  EXPECT_NEAR(static_cast<double>(second.still_kg), static_cast<double>((20000 - taken) / 1000),
              1e-12);
  EXPECT_NEAR(static_cast<double>(second.product_kg), static_cast<double>(taken / 1000), 1e-12);
  EXPECT_NEAR(static_cast<double>(second.still_percent),
              static_cast<double>((2000 - ethanol) / (20000 - taken) * 100), 1e-12);
  EXPECT_NEAR(static_cast<double>(second.product_mean_percent),
              static_cast<double>(column.topstrength * 100), 1e-12);
}

// Every row keeps the charge's ethanol, 10 % of 20 kg in the default case,
// between the still and the product, and never a negative amount.
void ExpectEthanolKept(const BatchInputs& inputs, const BatchRun& run) {
  const long double charged = inputs.chargekg * inputs.chargepercent / 100.0L;
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const BatchRow& row = run.rows[i];
    EXPECT_LE(std::fabs(row.still_ethanol_kg + row.product_ethanol_kg - charged), 1e-9L * charged)
        << i;
    // The same from the figures shown.
    const long double shown =
        row.still_kg * row.still_percent / 100 + row.product_kg * row.product_mean_percent / 100;
    EXPECT_LE(std::fabs(shown - charged), 1e-9L * charged) << i;
    EXPECT_GE(row.still_ethanol_kg, 0.0L) << i;
    EXPECT_GE(row.still_kg, row.still_ethanol_kg) << i;
  }
}

TEST(BatchRun, KeepsTheChargesEthanolAtEveryStep) {
  BatchInputs untilempty = Charge(20, 10);
  untilempty.stopstillpercent = 0;
  BatchInputs coarse = Charge(5, 40);
  coarse.stepminutes = 17;
  coarse.refluxratio = 3;
  for (const BatchInputs& inputs : {Charge(), untilempty, coarse}) {
    const BatchRun run = RunBatch(inputs);
    EXPECT_GT(run.rows.size(), 5u);
    ExpectEthanolKept(inputs, run);
  }
}

TEST(BatchRun, StopsAtTheFirstStopCondition) {
  // Each: the inputs, the reason, the number of rows, the last row's time.
  BatchInputs hours = Charge(20, 10);
  hours.hours = 0.05L;  // 3 minutes in steps of 2: the last step is 1 minute
  hours.stepminutes = 2;
  BatchInputs none = Charge(20, 10);
  none.hours = 0;
  BatchInputs top = Charge(20, 10);
  top.stoptoppercent = 90;
  BatchInputs still = Charge(20, 10);
  still.stopstillpercent = 5;
  BatchInputs weak = Charge(20, 0.05L);  // below the 0.1 % stop from the start

  const BatchRun hourlyrun = RunBatch(hours);
  EXPECT_EQ(hourlyrun.stop, BatchStop::kHours);
  ASSERT_EQ(hourlyrun.rows.size(), 3u);
  EXPECT_NEAR(static_cast<double>(hourlyrun.rows[1].time_h), 2.0 / 60, 1e-15);
  EXPECT_EQ(hourlyrun.rows[2].time_h, 0.05L);
  EXPECT_EQ(StopText(hourlyrun), "Прошло заданное время");

  EXPECT_EQ(RunBatch(none).rows.size(), 1u);
  EXPECT_EQ(RunBatch(weak).rows.size(), 1u);
  EXPECT_EQ(RunBatch(weak).stop, BatchStop::kStillStrength);

  // The run ends on the first row beyond the limit, and only there.
  const std::tuple<BatchInputs, BatchStop, long double BatchRow::*, long double> limits[] = {
      {top, BatchStop::kTopStrength, &BatchRow::top_percent, 90},
      {still, BatchStop::kStillStrength, &BatchRow::still_percent, 5}};
  for (const auto& [inputs, stop, field, limit] : limits) {
    const BatchRun run = RunBatch(inputs);
    EXPECT_EQ(run.stop, stop);
    ASSERT_GT(run.rows.size(), 2u);
    EXPECT_LT(run.rows.back().*field, limit);
    for (std::size_t i = 0; i + 1 < run.rows.size(); ++i) EXPECT_GE(run.rows[i].*field, limit) << i;
  }
}

TEST(BatchRun, StopsWhenTheStillRunsOutOfEthanolOrWater) {
  // Hour-long steps at 2 kW empty a small weak charge of its ethanol; a
  // charge above the azeotrope gives off water-richer vapour than it holds
  // and runs out of water.
  BatchInputs weak = Charge(2, 1);
  weak.power = 2000;
  weak.stepminutes = 60;
  weak.stopstillpercent = 0;
  BatchInputs strong = Charge(2, 99);
  strong.stepminutes = 60;
  const std::pair<BatchInputs, const char*> cases[] = {
      {weak, "В кубе не осталось спирта"}, {strong, "В кубе не осталось воды"}};
  for (const auto& [inputs, text] : cases) {
    const BatchRun run = RunBatch(inputs);
    EXPECT_EQ(run.stop, BatchStop::kStillEmpty);
    EXPECT_EQ(StopText(run), text);
    ASSERT_GE(run.rows.size(), 2u);
    // The last step was cut short of a whole hour.
    const long double laststep = run.rows.back().time_h - run.rows[run.rows.size() - 2].time_h;
    EXPECT_GT(laststep, 0.0L);
    EXPECT_LT(laststep, 1.0L);
    ExpectEthanolKept(inputs, run);
  }
}

TEST(BatchRun, AFailedCalculationKeepsItsMessage) {
  BatchInputs inputs = Charge();
  inputs.traycount = 101;
  const BatchRun run = RunBatch(inputs);
  EXPECT_EQ(run.stop, BatchStop::kFailed);
  EXPECT_TRUE(run.rows.empty());
  EXPECT_EQ(StopText(run), "Кол-во тарелок не может быть больше 100");
}

TEST(BatchRun, UnusualButValidInputsRunToAStop) {
  // No power, no trays, no ethanol, pure ethanol, a huge power.
  const std::function<void(BatchInputs&)> changes[] = {
      [](BatchInputs& i) { i.power = 0; }, [](BatchInputs& i) { i.traycount = 0; },
      [](BatchInputs& i) { i.traycount = -3; }, [](BatchInputs& i) { i.chargepercent = 0; },
      [](BatchInputs& i) { i.chargepercent = 100; }, [](BatchInputs& i) { i.refluxratio = 0; },
      [](BatchInputs& i) { i.power = 2000000000; }};
  for (const auto& change : changes) {
    BatchInputs inputs = Charge();
    change(inputs);
    const BatchRun run = RunBatch(inputs);
    EXPECT_FALSE(run.rows.empty());
    EXPECT_NE(run.stop, BatchStop::kFailed) << run.failure;
    for (const BatchRow& row : run.rows) EXPECT_FALSE(std::isnan(row.still_percent));
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

TEST(BatchRun, HalvingTheStepShrinksTheChangeInProduct) {
  // Product collected by 8 hours, when the top strength is falling fast.
  std::vector<long double> products;
  for (const long double minutes : {4.0L, 2.0L, 1.0L, 0.5L, 0.25L}) {
    BatchInputs inputs = Charge();
    inputs.stepminutes = minutes;
    inputs.hours = 8;
    const BatchRun run = RunBatch(inputs);
    ASSERT_EQ(run.stop, BatchStop::kHours);
    products.push_back(run.rows.back().product_kg);
  }
  for (std::size_t i = 2; i < products.size(); ++i) {
    const long double before = products[i - 1] - products[i - 2];
    const long double now = products[i] - products[i - 1];
    EXPECT_GT(now * before, 0.0L) << i;  // from one side
    EXPECT_LT(std::fabs(now), 0.6L * std::fabs(before)) << i;
  }
}

}  // namespace
}  // namespace analysis
