#include "chart/legend.h"

#include "chart/chart.h"
#include "chart/exceptions.h"

namespace chart {

void TChartLegend::SetFirstValue(int value) {
  if (value < 0) throw LegendException("First Legend Value must be > 0");
  firstValue_ = value;
}

void TChartLegend::Draw(TCustomChart&, TChartCanvas3D&) {}

}  // namespace chart
