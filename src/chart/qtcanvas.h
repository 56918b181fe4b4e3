#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <vector>

#include "chart/canvas.h"

namespace chart {

// The chart's drawing surface on a QImage: the off-screen picture that the
// widget copies to the window. One-pixel pens are cosmetic and unantialiased;
// wider pens are geometric with the pen's end style.
class TQtChartCanvas : public TChartCanvas3D {
 public:
  TQtChartCanvas();
  ~TQtChartCanvas() override;

  // Starts a picture of the given size; the image is kept while its size
  // stays the same. The state (pen, brush, font, alignment) starts afresh.
  // On a screen with more device pixels than logical ones, `pixelRatio`
  // gives the picture that many per pixel, so that its texts are drawn at
  // the screen's resolution; coordinates stay logical.
  void BeginDraw(int width, int height, double pixelRatio = 1);
  // The picture's size in logical pixels.
  QSize LogicalSize() const { return image_.deviceIndependentSize().toSize(); }
  void EndDraw();
  const QImage& Image() const { return image_; }

  using TChartCanvas3D::HorizontalLine;
  using TChartCanvas3D::VerticalLine;
  using TChartCanvas3D::DrawRect;
  using TChartCanvas3D::TextOutAt;

  void HorizontalLine(int x0, int x1, int y) override;
  void VerticalLine(int x, int y0, int y1) override;
  void StraightLine(int x0, int y0, int x1, int y1) override;
  void DrawRect(int left, int top, int right, int bottom) override;
  void TextOutAt(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetTextAlign(int flags) override;
  void SetBackMode(int mode) override;
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(TBrushStyle style) override;
  void ClipToRect(int left, int top, int right, int bottom) override;
  void RemoveClip() override;

  // The Qt font that a chart font is drawn with (96 pixels per inch; the
  // Windows faces map to their metric twins).
  static QFont QtFont(const TChartFont& font);
  static QColor QtColor(TColor color);

 protected:
  void SelectFont(const TChartFont& font) override;
  void SelectPen(const TChartPen& pen) override;

 private:
  void ResetState();
  void ApplyBrushToText();
  void SetCompositionFor(TPenMode mode);
  void CosmeticLine(int x0, int y0, int x1, int y1);

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  QPen pen_;
  bool penVisible_ = true;
  bool penCosmetic_ = true;
  // On and off runs of a dashed one-pixel pen; empty for a solid one.
  std::vector<int> dashes_;
  TPenMode penMode_ = pmCopy;
  QColor brushColor_;
  TBrushStyle brushStyle_ = bsSolid;
  bool brushChanged_ = true;
  int backMode_ = bmOpaque;
  int textAlign_ = taLeft | taTop;
  QFont font_;
  QColor fontColor_;
  std::optional<QFontMetrics> metrics_;
  // The clipping in force before each ClipToRect; empty when there was none.
  std::vector<std::optional<QRegion>> savedClips_;
};

}  // namespace chart
