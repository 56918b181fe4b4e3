#pragma once

#include "chart/chart.h"
#include "chart/lineseries.h"

namespace chart {

// Makes `chart` the main window's chart of the strengths along the column:
// its title, the legend listing the trays top first, the bottom axis fixed
// at 0..100 per cent, and one red horizontal line series, which it returns.
// The chart must have no series yet.
THorizLineSeries* SetUpColumnStrengthChart(TCustomChart& chart);

}  // namespace chart
