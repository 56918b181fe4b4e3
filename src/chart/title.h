#pragma once

#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

// The block of text above the plot, centred on it.
class TChartTitle {
 public:
  TChartTitle();

  // Draws the text and takes its lines from the top of the chart's plot
  // rectangle. Nothing for an invisible or empty title.
  void Draw(TCustomChart& chart, TChartCanvas3D& canvas);

  bool Visible = true;
  // One entry per line.
  std::vector<std::string> Text;
  TChartFont Font;
  // The text's block, recomputed at each draw.
  TRect ShapeRect;
};

}  // namespace chart
