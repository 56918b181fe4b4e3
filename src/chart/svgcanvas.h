#pragma once

#include <QFont>
#include <QFontMetrics>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/canvas.h"

namespace chart {

class TCustomChart;

// The chart's drawing surface as an SVG document: the same rectangles,
// lines, dash styles, texts and clipping as the picture canvas, as shapes
// that scale. Texts are measured with the same fonts as the picture, so the
// layout is the same; one-pixel lines and rectangle outlines lie on the same
// pixels as in the picture. Clipping cuts the shapes themselves, so every
// viewer shows the same, also those without clip paths.
class TSvgChartCanvas : public TChartCanvas3D {
 public:
  TSvgChartCanvas(int width, int height);

  // The document, closed; drawing ends here.
  std::string Document();

  using TChartCanvas3D::DrawRect;
  using TChartCanvas3D::HorizontalLine;
  using TChartCanvas3D::TextOutAt;
  using TChartCanvas3D::VerticalLine;

  void HorizontalLine(int x0, int x1, int y) override;
  void VerticalLine(int x, int y0, int y1) override;
  void StraightLine(int x0, int y0, int x1, int y1) override;
  void DrawRect(int left, int top, int right, int bottom) override;
  void TextOutAt(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetTextAlign(int flags) override { textAlign_ = flags; }
  void SetBackMode(int mode) override { backMode_ = mode; }
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(TBrushStyle style) override;
  void ClipToRect(int left, int top, int right, int bottom) override;
  void RemoveClip() override;

 protected:
  void SelectFont(const TChartFont& font) override;
  void SelectPen(const TChartPen& pen) override;

 private:
  void ApplyBrushToText();
  void FillRect(int left, int top, int width, int height, TColor color);
  // A one-pixel line along a row or column from (x0, y0) towards (x1, y1),
  // the last pixel left out, its dashes counted from the first pixel.
  void AxisLine(int x0, int y0, int x1, int y1);
  // A line between two points, cut to the clipping, with its dashes and
  // their phase from the original start.
  void Line(double x0, double y0, double x1, double y1, int width, const std::string& extra);
  std::string DashAttributes(double offset) const;

  int width_;
  int height_;
  std::ostringstream body_;
  TChartPen pen_;
  TColor brushColor_ = clWhite;
  TBrushStyle brushStyle_ = bsSolid;
  bool brushChanged_ = true;
  int backMode_ = bmOpaque;
  int textAlign_ = taLeft | taTop;
  TChartFont font_;
  QFont qtFont_;
  std::optional<QFontMetrics> metrics_;
  // The clipping in force (none when empty) and the ones it narrowed.
  std::optional<TRect> clip_;
  std::vector<std::optional<TRect>> savedClips_;
};

// The chart drawn at the given size as an SVG document.
std::string ChartSvg(TCustomChart& chart, int width, int height);

}  // namespace chart
