#pragma once

#include <memory>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "recording_canvas.h"

namespace chart::testing {

// Gives a chart the program's settings: the title, the inverted legend, the
// fixed bottom axis 0..100 and one red horizontal line series, which it
// returns.
inline THorizLineSeries* ConfigureAsForm(TCustomChart& chart) {
  chart.Title.Text = {"Крепость в колонне"};
  chart.Legend.Inverted = true;
  chart.BottomAxis.SetRange(0, 100);
  auto* series = chart.AddSeries(std::make_unique<THorizLineSeries>());
  series->SeriesColor = clRed;
  return series;
}

// The program's chart painted on the recording canvas at the form's size.
struct FormChart {
  FormChart() : Series(ConfigureAsForm(Chart)) {}
  void AddPoints(int count) {
    for (int i = 0; i < count; ++i) Series->Add(10.0 + i);
  }
  void Paint() {
    Canvas.Clear();
    Chart.PaintTo(Canvas, {0, 0, 296, 473});
  }

  TCustomChart Chart;
  THorizLineSeries* Series;
  TRecordingCanvas Canvas;
};

}  // namespace chart::testing
