#pragma once

#include <memory>

#include "chart/chart.h"
#include "chart/columnchart.h"
#include "recording_canvas.h"

namespace chart::testing {

// The program's chart painted on the recording canvas at the form's size.
struct FormChart {
  FormChart() : Series(SetUpColumnStrengthChart(Chart)) {}
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
