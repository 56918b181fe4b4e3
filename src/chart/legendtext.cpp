#include "chart/legendtext.h"

#include "chart/series.h"
#include "numtext/numtext.h"

namespace chart {

std::string SeriesValueText(TChartSeries& series, int index) {
  std::string text = numtext::FormatFloat(series.ValueFormat, (*series.MandatoryList)[index]);
  const std::string label = series.PointLabel(index);
  if (!label.empty()) {
    text += kLegendColumnSeparator;
    text += label;
  }
  return text;
}

std::array<std::string, 2> SplitLegendColumns(std::string_view text) {
  const std::size_t first = text.find(kLegendColumnSeparator);
  if (first == std::string_view::npos) return {std::string(text), std::string()};
  const std::string_view rest = text.substr(first + 1);
  return {std::string(text.substr(0, first)),
          std::string(rest.substr(0, rest.find(kLegendColumnSeparator)))};
}

}  // namespace chart
