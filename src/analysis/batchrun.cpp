#include "analysis/batchrun.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/column.h"

namespace analysis {

namespace {

constexpr long double kMaxChargeKg = 1e9L;

bool IsPercent(long double value) { return value >= 0.0L && value <= 100.0L; }

void Require(bool holds, const char* message) {
  if (!holds) throw EBatchInputError(message);
}

// The still's contents and what has come off, in grams. Ethanol is tracked
// directly rather than as mass times strength, so that the ethanol left and
// the ethanol collected add up to the charge's at every step.
struct Balance {
  long double stillmass;
  long double stillethanol;
  long double productmass = 0.0L;
  long double productethanol = 0.0L;
};

// Takes the product of one step of `hours` at `column`'s take-off out of the
// still. Returns the length of the step actually taken: shorter when the
// still runs out of ethanol or of water before its end, in which case that
// part is left at exactly 0.
struct StepTaken {
  long double hours;
  bool emptied;
};

StepTaken TakeStep(const model::TColumn& column, long double hours, Balance& balance) {
  const long double ethanolrate = column.productethanol;
  const long double waterrate = column.product - column.productethanol;
  const long double stillwater = balance.stillmass - balance.stillethanol;
  constexpr long double kNever = std::numeric_limits<long double>::infinity();
  const long double ethanolgone = ethanolrate > 0.0L ? balance.stillethanol / ethanolrate : kNever;
  const long double watergone = waterrate > 0.0L ? stillwater / waterrate : kNever;

  StepTaken taken{hours, false};
  long double ethanol = ethanolrate * hours;
  long double water = waterrate * hours;
  if (ethanolgone <= hours && ethanolgone <= watergone) {
    taken = {ethanolgone, true};
    ethanol = balance.stillethanol;
    water = waterrate * ethanolgone;
  } else if (watergone <= hours) {
    taken = {watergone, true};
    ethanol = ethanolrate * watergone;
    water = stillwater;
  }
  balance.stillethanol -= ethanol;
  balance.stillmass = balance.stillethanol + (stillwater - water);
  balance.productethanol += ethanol;
  balance.productmass += ethanol + water;
  return taken;
}

BatchRow RowOf(long double time, long double strength, const Balance& balance,
               const model::TColumn& column) {
  BatchRow row;
  row.time_h = time;
  row.still_percent = strength * 100.0L;
  row.still_kg = balance.stillmass / 1000.0L;
  row.top_percent = column.topstrength * 100.0L;
  row.product_g_per_h = column.product;
  row.product_kg = balance.productmass / 1000.0L;
  row.product_mean_percent =
      balance.productmass > 0.0L ? balance.productethanol / balance.productmass * 100.0L : 0.0L;
  row.still_ethanol_kg = balance.stillethanol / 1000.0L;
  row.product_ethanol_kg = balance.productethanol / 1000.0L;
  return row;
}

}  // namespace

void ValidateBatchInputs(const BatchInputs& inputs) {
  Require(inputs.chargekg > 0.0L, "Загрузка куба должна быть больше 0 кг");
  Require(inputs.chargekg <= kMaxChargeKg, "Загрузка куба не может быть больше 1000000000 кг");
  Require(IsPercent(inputs.chargepercent), "Крепость загрузки должна быть от 0 до 100 %");
  Require(inputs.power >= 0, "Мощность не может быть меньше 0 Вт");
  Require(inputs.refluxratio >= 0.0L, "Флегмовое число не может быть меньше 0");
  Require(inputs.stepminutes > 0.0L, "Шаг по времени должен быть больше 0 мин");
  Require(inputs.hours >= 0.0L, "Время перегонки не может быть меньше 0 ч");
  Require(inputs.hours * 60.0L / inputs.stepminutes <= kMaxBatchSteps,
          "Слишком много шагов: время перегонки, деленное на шаг, больше 100000");
  Require(IsPercent(inputs.stoptoppercent),
          "Крепость отбора для остановки должна быть от 0 до 100 %");
  Require(IsPercent(inputs.stopstillpercent),
          "Крепость в кубе для остановки должна быть от 0 до 100 %");
}

BatchRun RunBatch(const BatchInputs& inputs, const BatchObserver& observer,
                  std::stop_token stoptoken) {
  ValidateBatchInputs(inputs);
  const long double stephours = inputs.stepminutes / 60.0L;
  const long double chargemass = inputs.chargekg * 1000.0L;
  // The first calculation gets the strength exactly as the main window passes
  // a typed one, so that row 0 matches the window's results.
  long double strength = inputs.chargepercent / 100.0L;
  Balance balance{chargemass, chargemass * strength};
  long double time = 0.0L;
  bool emptied = false;

  BatchRun run;
  model::TColumn column;
  for (long long step = 1;; ++step) {
    if (stoptoken.stop_requested()) {
      run.stop = BatchStop::kCancelled;
      break;
    }
    try {
      column.Calculate({inputs.power, strength, inputs.traycount, inputs.refluxratio + 1.0L});
    } catch (const runtime::Exception& error) {
      run.stop = BatchStop::kFailed;
      run.failure = error.what();
      break;
    }
    run.rows.push_back(RowOf(time, strength, balance, column));
    const BatchRow& row = run.rows.back();
    if (observer && !observer(row)) {
      run.stop = BatchStop::kCancelled;
      break;
    }
    if (emptied) {
      run.stop = BatchStop::kStillEmpty;
      break;
    }
    if (row.top_percent < inputs.stoptoppercent) {
      run.stop = BatchStop::kTopStrength;
      break;
    }
    if (row.still_percent < inputs.stopstillpercent) {
      run.stop = BatchStop::kStillStrength;
      break;
    }
    if (time >= inputs.hours) {
      run.stop = BatchStop::kHours;
      break;
    }
    // Step ends are multiples of the step, not running sums, so that the
    // times carry no drift; the last one is the run's length.
    const long double stepend = std::min(static_cast<long double>(step) * stephours, inputs.hours);
    const StepTaken taken = TakeStep(column, stepend - time, balance);
    time = taken.emptied ? time + taken.hours : stepend;
    emptied = taken.emptied;
    strength = balance.stillmass > 0.0L ? balance.stillethanol / balance.stillmass : 0.0L;
  }
  return run;
}

std::string StopText(const BatchRun& run) {
  switch (run.stop) {
    case BatchStop::kHours:
      return "Прошло заданное время";
    case BatchStop::kTopStrength:
      return "Крепость отбора упала ниже заданной";
    case BatchStop::kStillStrength:
      return "Крепость в кубе упала ниже заданной";
    case BatchStop::kStillEmpty:
      return !run.rows.empty() && run.rows.back().still_ethanol_kg == 0.0L
                 ? "В кубе не осталось спирта"
                 : "В кубе не осталось воды";
    case BatchStop::kCancelled:
      return "Перегонка прервана";
    case BatchStop::kFailed:
      return run.failure;
  }
  return {};
}

}  // namespace analysis
