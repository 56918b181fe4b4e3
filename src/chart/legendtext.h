#pragma once

#include <array>
#include <string>
#include <string_view>

namespace chart {

class TChartSeries;

// Separates the two columns of a legend text.
inline constexpr char kLegendColumnSeparator = '\x06';

// The legend text of point `index` of the series: its value (in the
// series' ValueFormat, from the mandatory list), then its label, if any, in
// a second column.
std::string SeriesValueText(TChartSeries& series, int index);

// Splits a legend text at the column separator into at most two columns;
// what follows a second separator is dropped.
std::array<std::string, 2> SplitLegendColumns(std::string_view text);

}  // namespace chart
