#include "chart/qtcanvas.h"

#include "chart/axis.h"

#include <gtest/gtest.h>

#include <string>

#include "qt_application.h"

namespace chart {
namespace {

// A 60 x 40 white picture to draw on with a black one-pixel pen.
class QtCanvasPixels : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureQtApplication();
    canvas.BeginDraw(60, 40);
    canvas.AssignPen(TChartPen{.Color = clWhite});
    canvas.SetBrushColor(clWhite);
    canvas.DrawRect(0, 0, 60, 40);
    canvas.AssignPen(TChartPen{});
  }

  // The row or column as '#' for dark, 'r' for red and '.' for white.
  std::string Row(int y, int x0, int x1) {
    std::string row;
    for (int x = x0; x < x1; ++x) row += Pixel(x, y);
    return row;
  }
  std::string Column(int x, int y0, int y1) {
    std::string column;
    for (int y = y0; y < y1; ++y) column += Pixel(x, y);
    return column;
  }
  char Pixel(int x, int y) {
    // The raster painter writes straight into the image.
    const QColor c = canvas.Image().pixelColor(x, y);
    if (c == Qt::white) return '.';
    if (c == QColor(255, 0, 0)) return 'r';
    return c.lightness() < 100 ? '#' : '+';
  }

  TQtChartCanvas canvas;
};

TEST_F(QtCanvasPixels, LineLeavesItsLastPixelUnpainted) {
  canvas.HorizontalLine(10, 14, 5);
  canvas.HorizontalLine(14, 10, 7);
  canvas.VerticalLine(30, 10, 14);
  canvas.HorizontalLine(20, 20, 9);
  EXPECT_EQ(Row(5, 8, 16), "..####..");
  EXPECT_EQ(Row(7, 8, 16), "...####.");
  EXPECT_EQ(Column(30, 8, 16), "..####..");
  EXPECT_EQ(Row(9, 18, 22), "....") << "a line to its own start paints nothing";
}

TEST_F(QtCanvasPixels, SlopedLineStopsBeforeItsEndInEitherDirection) {
  canvas.StraightLine(0, 20, 7, 23);
  canvas.StraightLine(17, 23, 10, 20);
  int forward = 0;
  int backward = 0;
  for (int y = 20; y <= 23; ++y) {
    for (int x = 0; x <= 7; ++x) forward += Pixel(x, y) == '#';
    for (int x = 10; x <= 17; ++x) backward += Pixel(x, y) == '#';
  }
  EXPECT_EQ(forward, 7);
  EXPECT_EQ(backward, 7);
  EXPECT_EQ(Pixel(0, 20), '#');
  EXPECT_EQ(Pixel(7, 23), '.');
  EXPECT_EQ(Pixel(17, 23), '#');
  EXPECT_EQ(Pixel(10, 20), '.');
}

TEST_F(QtCanvasPixels, LineToAFarCoordinateIsCutAtThePicture) {
  canvas.StraightLine(10, 20, PixelLimit, 20);
  EXPECT_EQ(Row(20, 8, 60), ".." + std::string(50, '#'));
}

TEST_F(QtCanvasPixels, RectangleExcludesRightAndBottomEdges) {
  canvas.SetBrushColor(clRed);
  canvas.SetBrushStyle(bsSolid);
  canvas.DrawRect(10, 10, 20, 15);
  EXPECT_EQ(Row(10, 9, 21), ".##########.");
  EXPECT_EQ(Row(12, 9, 21), ".#rrrrrrrr#.");
  EXPECT_EQ(Row(14, 9, 21), ".##########.");
  EXPECT_EQ(Row(15, 9, 21), "............");
}

TEST_F(QtCanvasPixels, ClearBrushLeavesTheInsideAndHiddenPenTheOutline) {
  canvas.SetBrushColor(clRed);
  canvas.ClearBrush();
  canvas.DrawRect(10, 10, 20, 15);
  EXPECT_EQ(Row(12, 9, 21), ".#........#.");
  // An invisible pen leaves no outline.
  canvas.AssignPen(HiddenPen());
  canvas.SetBrushStyle(bsSolid);
  canvas.DrawRect(30, 10, 35, 12);
  canvas.HorizontalLine(30, 40, 20);
  EXPECT_EQ(Row(10, 29, 36), ".rrrrr.");
  EXPECT_EQ(Row(20, 30, 40), "..........");
}

TEST_F(QtCanvasPixels, DottedPenThreeOnThreeOff) {
  canvas.AssignPen(DottedGrayPen(), clBlack);
  canvas.HorizontalLine(0, 20, 5);
  EXPECT_EQ(Row(5, 0, 21), "###...###...###...##.");
  canvas.AssignPen(TChartPen{.SmallDots = true});
  canvas.HorizontalLine(0, 8, 7);
  EXPECT_EQ(Row(7, 0, 9), "#.#.#.#..");
}

TEST_F(QtCanvasPixels, TwoPixelPenIsWideWithItsEndStyle) {
  canvas.AssignPen(TChartPen{.Width = 2});
  canvas.VerticalLine(30, 10, 20);
  canvas.AssignPen(TChartPen{.Width = 2, .EndStyle = esFlat});
  canvas.VerticalLine(40, 10, 20);
  EXPECT_EQ(Row(15, 27, 33), "..##..");
  EXPECT_EQ(Row(15, 37, 43), "..##..");
  EXPECT_EQ(Pixel(29, 9), '#') << "the round end reaches past the start";
  EXPECT_EQ(Pixel(39, 9), '.') << "the flat end stops at it";
}

TEST_F(QtCanvasPixels, ClipNarrowsAndRemoveClipRestores) {
  canvas.ClipToRect(10, 0, 30, 40);
  canvas.ClipToRect(20, 0, 50, 40);
  canvas.HorizontalLine(0, 60, 5);
  canvas.RemoveClip();
  canvas.HorizontalLine(0, 60, 7);
  canvas.RemoveClip();
  canvas.HorizontalLine(0, 60, 9);
  EXPECT_EQ(Row(5, 18, 32), "..##########..");
  EXPECT_EQ(Row(7, 8, 32), "..####################..");
  EXPECT_EQ(Pixel(0, 9), '#');
  EXPECT_EQ(Pixel(58, 9), '#');
}

TEST_F(QtCanvasPixels, TextBackgroundFollowsTheBrush) {
  TChartFont font;
  font.Color = clBlack;
  canvas.AssignFont(font);
  canvas.SetBrushColor(clRed);
  canvas.SetBrushStyle(bsSolid);
  canvas.TextOutAt(2, 2, "ii");
  EXPECT_EQ(Pixel(3, 2), 'r') << "an opaque box in the brush colour";
  canvas.ClearBrush();
  canvas.TextOutAt(2, 20, "ii");
  EXPECT_NE(Pixel(3, 20), 'r');
  EXPECT_EQ(Pixel(2 + canvas.TextWidth("ii") + 1, 22), '.');
}

TEST_F(QtCanvasPixels, RightAlignedTextEndsAtX) {
  canvas.AssignFont(TChartFont{});
  canvas.ClearBrush();
  canvas.SetTextAlign(taRight);
  canvas.TextOutAt(40, 10, "WWW");
  bool inkLeft = false;
  for (int y = 10; y < 10 + canvas.FontHeight(); ++y) {
    EXPECT_EQ(Pixel(41, y), '.');
    inkLeft = inkLeft || Pixel(40 - canvas.TextWidth("WWW") + 1, y) != '.';
  }
  EXPECT_TRUE(inkLeft);
}

TEST(QtCanvasMetrics, FontHeightIsTheLineOfTheFont) {
  testing::EnsureQtApplication();
  TQtChartCanvas canvas;
  canvas.AssignFont(TChartFont{});
  EXPECT_EQ(canvas.FontHeight(), canvas.TextHeight("a"));
  EXPECT_GE(canvas.FontHeight(), 11);
  EXPECT_LE(canvas.FontHeight(), 14);
  EXPECT_GT(canvas.TextWidth("W"), canvas.TextWidth("i"));
  EXPECT_EQ(TQtChartCanvas::QtFont(TChartFont{}).pixelSize(), 11);
  TChartFont big;
  big.Size = 16;
  canvas.AssignFont(big);
  EXPECT_GT(canvas.FontHeight(), 16);
  canvas.FontZoom = 50;
  canvas.AssignFont(big);
  EXPECT_LT(canvas.FontHeight(), 14);
}

}  // namespace
}  // namespace chart
