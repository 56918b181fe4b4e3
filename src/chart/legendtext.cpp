#include "chart/legendtext.h"

#include "chart/series.h"
#include "numtext/numtext.h"

namespace chart {

namespace {

std::string Joined(const std::string& left, const std::string& right) {
  return left + kLegendColumnSeparator + right;
}

std::string ValueThenLabel(const std::string& value, const std::string& label) {
  return label.empty() ? value : Joined(value, label);
}

std::string LabelThenValue(const std::string& label, const std::string& value) {
  return label.empty() ? value : Joined(label, value);
}

}  // namespace

std::string SeriesValueText(TChartSeries& series, int index, TLegendTextStyle style) {
  TChartValueList& values = *series.MandatoryList;
  const double v = values[index];
  const std::string label = series.PointLabel(index);
  auto valueText = [&] { return numtext::FormatFloat(series.ValueFormat, v); };
  auto percentText = [&] {
    // Divided first, so that a value near the largest double cannot
    // overflow; the quotient is at most 1 in size.
    const double sumAbs = values.SumAbs();
    const double percent = sumAbs == 0 ? 100 : 100 * (v / sumAbs);
    return numtext::FormatFloat(series.PercentFormat, percent);
  };
  auto xText = [&] { return numtext::FormatFloat(series.ValueFormat, series.XValues[index]); };
  switch (style) {
    case ltsPlain: return label;
    case ltsLeftValue: return ValueThenLabel(valueText(), label);
    case ltsRightValue: return LabelThenValue(label, valueText());
    case ltsLeftPercent: return ValueThenLabel(percentText(), label);
    case ltsRightPercent: return LabelThenValue(label, percentText());
    case ltsXValue: return xText();
    case ltsValue: return valueText();
    case ltsPercent: return percentText();
    case ltsXAndValue: return Joined(xText(), valueText());
    case ltsXAndPercent: return Joined(xText(), percentText());
  }
  return label;
}

std::array<std::string, 2> SplitLegendColumns(std::string_view text) {
  const std::size_t first = text.find(kLegendColumnSeparator);
  if (first == std::string_view::npos) return {std::string(text), std::string()};
  const std::string_view rest = text.substr(first + 1);
  return {std::string(text.substr(0, first)),
          std::string(rest.substr(0, rest.find(kLegendColumnSeparator)))};
}

bool LegendColumnIsNumber(TLegendTextStyle style, int column) {
  switch (style) {
    case ltsLeftValue:
    case ltsLeftPercent:
    case ltsXValue:
    case ltsValue:
    case ltsPercent:
      return column == 0;
    case ltsRightValue:
    case ltsRightPercent:
      return column == 1;
    case ltsXAndValue:
    case ltsXAndPercent:
      return true;
    case ltsPlain:
      return false;
  }
  return false;
}

}  // namespace chart
