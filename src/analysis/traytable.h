#pragma once

#include <string>

#include "model/column.h"

namespace analysis {

// The header of the tray table.
inline constexpr char kTrayTableHeader[] =
    "stage,liquid_percent,vapour_percent,temperature_c,return_g_per_h";

// A finished calculation's stages as CSV: the header, the still as stage 0
// (its liquid, its vapour, the temperature of its vapour, no return), then
// trays 1 to N. Strengths in per cent, numbers in the shortest text that
// reads back as the same double.
std::string TrayTableCsv(const model::ColumnResult& column);

}  // namespace analysis
