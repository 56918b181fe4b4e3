#include "chart/chartwidget.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "chart/lineseries.h"
#include "form_chart.h"
#include "support/qtapplication.h"
#include "support/storedpicture.h"

namespace chart {
namespace {

TEST(ChartWidget, ManyRequestsCostOneFullDrawAndUnchangedPaintsOnlyCopy) {
  test_support::EnsureQtApplication();
  TChart chart;
  THorizLineSeries* series = SetUpColumnStrengthChart(chart);
  chart.resize(296, 473);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 1);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 1) << "nothing changed: the picture is copied";
  for (int i = 0; i < 20; ++i) series->Add(i * 4.5);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 2);
  chart.resize(300, 400);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 3) << "a new size needs a new picture";
}

// Two strengths against the reflux ratio, as a study of the column would
// show them: line series on automatic axes, palette colours, a legend of
// their titles. Renew the picture as tests/support/storedpicture.h says.
TEST(ChartWidget, SeveralLineSeriesWithALegendOfTheirTitles) {
  test_support::EnsureQtApplication();
  TChart chart;
  chart.Title.Text = {"Крепость от флегмового числа"};
  chart.resize(420, 300);
  const std::pair<const char*, double> curves[] = {{"куб", 12}, {"верх", 78}, {"середина", 45}};
  for (const auto& [title, base] : curves) {
    TLineSeries* series = chart.AddSeries(std::make_unique<TLineSeries>());
    series->Title = title;
    for (int r = 0; r <= 20; ++r) series->AddXY(r, base + 15 * (1 - 1.0 / (1 + 0.4 * r)));
  }
  test_support::ExpectStoredPicture(chart.grab().toImage(),
                                    STILLWISE_CHART_PICTURES_DIR "/line_series.png");
}

}  // namespace
}  // namespace chart
