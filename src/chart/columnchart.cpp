#include "chart/columnchart.h"

#include <memory>
#include <utility>

namespace chart {

THorizLineSeries* SetUpColumnStrengthChart(TCustomChart& chart) {
  chart.Title.Text = {"Крепость в колонне"};
  // The points go in from the bottom tray up; the legend lists them top first.
  chart.Legend.Inverted = true;
  // The strengths are per cent: the bottom axis keeps 0 to 100 whatever the data.
  chart.BottomAxis.SetRange(0, 100);
  auto series = std::make_unique<THorizLineSeries>();
  series->SeriesColor = clRed;
  return chart.AddSeries(std::move(series));
}

}  // namespace chart
