#pragma once

#include <array>
#include <optional>
#include <string>

#include "analysis/batchrun.h"
#include "analysis/batchtable.h"
#include "commands/calculatecommand.h"
#include "model/column.h"
#include "model/strengthunits.h"

namespace commands {

// The texts of a batch run's inputs, as typed: numbers with the locale's
// decimal separator, as in the main window's fields.
// The settings of the run may be left out: their defaults are those of
// analysis::BatchInputs.
struct BatchTexts {
  std::string charge;    // kg
  std::string strength;  // % by mass
  std::string power;     // W
  std::string trays;
  std::string reflux;    // reflux ratio
  std::optional<std::string> step;       // minutes
  std::optional<std::string> stopTop;    // %, 0: never
  std::optional<std::string> stopStill;  // %
  std::optional<std::string> hours;
};

// Reads the texts in field order, stopping at the first that does not parse
// with its EConvertError, then checks the inputs' ranges (EBatchInputError).
analysis::BatchInputs ParseBatchTexts(const BatchTexts& texts);

// The texts of a calculation's inputs, as the main window's fields would
// hold them to give that calculation again.
InputTexts TextsOf(const model::ColumnInputs& inputs);

// The inputs a run was made with, for the header over its charts:
// "загрузка 20 кг, 10 %масс, 1500 Вт, N = 12, ФЧ = 4".
std::string RunInputsText(const analysis::BatchInputs& inputs);

// How far a run on `inputs` has come at `row`: the share of the run's length
// passed, 0 to 1; 0 all along for a run of no length.
long double RunShare(const analysis::BatchInputs& inputs, const analysis::BatchRow& row);

// One row of the table of cuts, strengths in `unit`: threshold, time in h,
// product in kg, its litres at 20 °C and its mean strength.
struct CutRow {
  std::array<std::string, 5> cells;
  // A run stopped before its stop conditions left this cut still collecting:
  // its time and amounts are lower bounds ("≥ ") and it has no mean yet.
  bool unfinished = false;
};
CutRow CutRowOf(const analysis::Cut& cut, const analysis::BatchRun& run, model::StrengthUnit unit);

}  // namespace commands
