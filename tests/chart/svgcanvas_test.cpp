#include "chart/svgcanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

#include "chart/qtcanvas.h"
#include "form_chart.h"
#include "support/qtapplication.h"

namespace chart::testing {
namespace {

QImage Rendered(const std::string& svg, int width, int height) {
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  EXPECT_TRUE(renderer.isValid());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// The share of pixels that differ by more than a faint shade once each
// pixel is the mean of its 3 x 3 neighbourhood: smoothed and aliased edges
// of the same line or glyph then come out alike.
double DifferingShare(const QImage& a, const QImage& b) {
  // One channel, red, green or blue by its shift in the pixel.
  const auto soft = [](const QImage& image, int x, int y, int shift) {
    int sum = 0, n = 0;
    for (int v = y - 1; v <= y + 1; ++v) {
      for (int u = x - 1; u <= x + 1; ++u) {
        if (image.valid(u, v)) sum += (image.pixel(u, v) >> shift) & 0xFF, ++n;
      }
    }
    return sum / n;
  };
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      int d = 0;
      for (const int shift : {16, 8, 0}) d = std::max(d, std::abs(soft(a, x, y, shift) - soft(b, x, y, shift)));
      if (d > 40) ++differing;
    }
  }
  return static_cast<double>(differing) / (a.width() * a.height());
}

// The vector picture shows the chart that the raster picture shows: the
// same panel, frame, grid, labels, legend and line, within the small
// differences of smoothed text and diagonal lines.
TEST(SvgCanvas, ShowsTheSameChartAsThePicture) {
  test_support::EnsureQtApplication();
  const struct {
    const char* name;
    int points;
    bool zoomed;
  } cases[] = {{"empty", 0, false}, {"one point", 1, false}, {"a hundred trays", 101, false}, {"zoomed", 21, true}};
  for (const auto& c : cases) {
    FormChart form;
    for (int i = 0; i < c.points; ++i) form.Series->Add(9.44 + 0.8 * i * (i % 3 == 0 ? 1 : 0.5));
    if (c.zoomed) {
      form.Chart.LeftAxis.SetRange(2.5, 7.25);
      form.Chart.BottomAxis.SetRange(8, 30);
    }
    TQtChartCanvas canvas;
    canvas.BeginDraw(296, 473);
    form.Chart.PaintTo(canvas, {0, 0, 296, 473});
    canvas.EndDraw();
    const QImage picture = canvas.Image().convertToFormat(QImage::Format_RGB32);
    const std::string svg = ChartSvg(form.Chart, 296, 473);
    const QImage vector = Rendered(svg, 296, 473);
    EXPECT_LT(DifferingShare(picture, vector), 0.003) << c.name;
  }
}

// At two device pixels per pixel the picture has them all, while the
// drawing's coordinates stay logical: the last row is the bottom two.
TEST(QtCanvas, DrawsAtTheDevicePixelRatio) {
  test_support::EnsureQtApplication();
  TQtChartCanvas canvas;
  canvas.BeginDraw(16, 8, 2);
  canvas.AssignPen(TChartPen{.Color = clRed});
  canvas.HorizontalLine(0, 16, 7);
  canvas.EndDraw();
  EXPECT_EQ(canvas.Image().size(), QSize(32, 16));
  EXPECT_EQ(canvas.Image().pixelColor(31, 14), QColor(255, 0, 0));
}

TEST(SvgCanvas, WritesShapesCutToTheClippingAndEscapedText) {
  test_support::EnsureQtApplication();
  TSvgChartCanvas canvas(40, 30);
  canvas.AssignPen(TChartPen{.Color = clRed, .Style = psDot});
  // A leftward line covers pixels 10 down to 5, its dots counted from 10.
  canvas.HorizontalLine(10, 4, 7);
  canvas.ClipToRect(0, 0, 20, 20);
  canvas.ClipToRect(5, 0, 40, 40);
  // Cut to columns 5 to 19, the dots keeping their phase from column 2.
  canvas.HorizontalLine(2, 30, 3);
  canvas.VerticalLine(25, 0, 10);
  canvas.SetBrushColor(clBlue);
  canvas.SetBrushStyle(bsSolid);
  canvas.AssignPen(HiddenPen());
  canvas.DrawRect(0, 10, 30, 40);
  canvas.RemoveClip();
  canvas.RemoveClip();
  canvas.ClearBrush();
  canvas.TextOutAt(1, 2, "a < b & \"c\"");
  const std::string svg = canvas.Document();
  const std::string dotted = "stroke=\"#ff0000\" stroke-width=\"1\" shape-rendering=\"crispEdges\" "
                             "stroke-dasharray=\"3 3\"";
  EXPECT_NE(svg.find("<line x1=\"11\" y1=\"7.5\" x2=\"5\" y2=\"7.5\" " + dotted + "/>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<line x1=\"5\" y1=\"3.5\" x2=\"20\" y2=\"3.5\" " + dotted + " stroke-dashoffset=\"3\"/>"),
            std::string::npos) << svg;
  EXPECT_EQ(svg.find("x1=\"25.5\""), std::string::npos) << "a line outside the clipping is left out";
  EXPECT_NE(svg.find("<rect x=\"5\" y=\"10\" width=\"15\" height=\"10\" fill=\"#0000ff\"/>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">a &lt; b &amp; &quot;c&quot;</text>"), std::string::npos) << svg;
  EXPECT_EQ(svg.find("<rect x=\"1\""), std::string::npos) << "no background behind clear-brush text";
}

}  // namespace
}  // namespace chart::testing
