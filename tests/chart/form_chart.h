#pragma once

#include <memory>

#include "chart/chart.h"
#include "chart/columnchart.h"
#include "recording_canvas.h"

namespace chart::testing {

// The program's chart with a recording canvas to paint on.
struct FormChart {
  FormChart() : Series(SetUpColumnStrengthChart(Chart)) {}
  void AddPoints(int count) {
    for (int i = 0; i < count; ++i) Series->Add(10.0 + i);
  }

  TCustomChart Chart;
  THorizLineSeries* Series;
  TRecordingCanvas Canvas;
};

}  // namespace chart::testing
