#include "chart/chartwidget.h"

#include <gtest/gtest.h>

#include "form_chart.h"
#include "support/qt_application.h"

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
  series->Clear();
  for (int i = 0; i < 20; ++i) series->Add(i * 4.5);
  chart.LeftAxis.SetRange(0, 30);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 2);
  chart.resize(300, 400);
  chart.grab();
  EXPECT_EQ(chart.FullDrawCount(), 3) << "a new size needs a new picture";
}

}  // namespace
}  // namespace chart
