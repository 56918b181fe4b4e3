#pragma once

#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/graphics.h"

namespace chart {

class TCustomChart;

// A block of text above (Title, SubTitle) or below (Foot, SubFoot) the plot.
class TChartTitle {
 public:
  explicit TChartTitle(bool top);

  // Draws the text and takes its lines from the top or bottom of the
  // chart's plot rectangle. Nothing for an invisible or empty title.
  void Draw(TCustomChart& chart, TChartCanvas3D& canvas);
  // Frame width used in placing the text.
  int FrameWidth() const;

  bool Visible = true;
  // One entry per line.
  std::vector<std::string> Text;
  TChartFont Font;
  TAlignment Alignment = taCenter;
  // The shape is only as wide as the text.
  bool AdjustFrame = true;
  TChartPen Frame;
  TBevelCut Bevel = bvNone;
  int BevelWidth = 2;
  // Only the text is drawn: no frame, background or shadow.
  bool Transparent = true;
  TColor Color = clWhite;
  TChartShadow Shadow;
  // Recomputed at each draw.
  TRect ShapeRect;

 private:
  void DrawShape(TChartCanvas3D& canvas) const;

  bool top_;
};

}  // namespace chart
