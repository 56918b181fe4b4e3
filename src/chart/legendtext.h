#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/legend.h"

namespace chart {

class TChartSeries;

// Separates the two columns of a legend text.
inline constexpr char kLegendColumnSeparator = '\x06';

// The legend text of point `index` of the series: its label, value (in the
// series' ValueFormat, from the mandatory list), per cent of the values'
// absolute sum (PercentFormat) and X value, combined as the style says.
std::string SeriesValueText(TChartSeries& series, int index, TLegendTextStyle style);

// Splits a legend text at the column separator into at most two columns;
// what follows a second separator is dropped.
std::array<std::string, 2> SplitLegendColumns(std::string_view text);

// Whether the style puts a number into the column (0 or 1), which is then
// right-aligned so that the values line up.
bool LegendColumnIsNumber(TLegendTextStyle style, int column);

}  // namespace chart
