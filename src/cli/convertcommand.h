#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/strengthunits.h"

namespace cli {

// --convert VALUE UNIT: a strength to convert, as the command line gave it.
struct ConvertRequest {
  long double value = 0;
  model::StrengthUnit unit = model::StrengthUnit::kMass;
};

// Reads VALUE (written with ".") and UNIT ("mass", "volume", "mole" or
// "density"). Empty when both are right, else what is wrong, one line.
std::string ParseConvertArguments(std::string_view value, std::string_view unit,
                                  ConvertRequest& request);

// Prints the strength in the four units, one named line each:
// mass_percent, volume_percent, mole_percent, density_kg_per_m3.
// A strength no mixture has prints the reason to `err` and gives status 1.
int RunConvert(const ConvertRequest& request, std::ostream& out, std::ostream& err);

}  // namespace cli
