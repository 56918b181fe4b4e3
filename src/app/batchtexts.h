#pragma once

#include <string>

#include "analysis/batchrun.h"

namespace app {

// The texts of a batch run's inputs, as typed: numbers with the locale's
// decimal separator, as in the main window's fields.
struct BatchTexts {
  std::string charge = "20";     // kg
  std::string strength = "1";    // % by mass
  std::string power = "1000";    // W
  std::string trays = "20";
  std::string reflux = "15";     // reflux ratio
  std::string step = "1";        // minutes
  std::string stopTop = "0";     // %, 0: never
  std::string stopStill = "0.1"; // %
  std::string hours = "24";
};

// Reads the texts in field order, stopping at the first that does not parse
// with its EConvertError, then checks the inputs' ranges (EBatchInputError).
analysis::BatchInputs ParseBatchTexts(const BatchTexts& texts);

}  // namespace app
