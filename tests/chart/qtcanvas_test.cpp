#include "chart/qtcanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/qt_application.h"

namespace chart {
namespace {

struct PixelCase {
  std::string name;
  std::function<void(TQtChartCanvas&)> draw;
  TRect area;
  std::vector<std::string> rows;  // '#' dark, 'r' red, '.' white, '+' other
};

void PrintTo(const PixelCase& c, std::ostream* os) { *os << c.name; }

class QtCanvasPixels : public ::testing::TestWithParam<PixelCase> {};

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

// Draws on a 16 x 8 white picture with a black one-pixel pen and reads
// back the area's pixels.
TEST_P(QtCanvasPixels, DrawsThesePixels) {
  test_support::EnsureQtApplication();
  TQtChartCanvas canvas;
  canvas.BeginDraw(16, 8);
  canvas.AssignPen(TChartPen{.Color = clWhite});
  canvas.SetBrushColor(clWhite);
  canvas.DrawRect(0, 0, 16, 8);
  canvas.AssignPen(TChartPen{});
  GetParam().draw(canvas);
  const TRect& a = GetParam().area;
  std::vector<std::string> rows;
  for (int y = a.Top; y < a.Bottom; ++y) {
    rows.emplace_back();
    for (int x = a.Left; x < a.Right; ++x) {
      // The raster painter writes straight into the image.
      const QColor c = canvas.Image().pixelColor(x, y);
      rows.back() += c == Qt::white           ? '.'
                     : c == QColor(255, 0, 0) ? 'r'
                     : c.lightness() < 100    ? '#'
                                              : '+';
    }
  }
  EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtCanvasPixels,
    ::testing::Values(
        PixelCase{"LinesLeaveTheirLastPixel",
                  [](TQtChartCanvas& c) {
                    c.HorizontalLine(1, 5, 0);
                    c.HorizontalLine(5, 1, 1);
                    c.VerticalLine(7, 0, 3);
                    c.HorizontalLine(3, 3, 2);
                  },
                  {0, 0, 9, 4},
                  {".####..#.", "..####.#.", ".......#.", "........."}},
        PixelCase{"SlopedLinesLeaveTheirLastPixel",
                  [](TQtChartCanvas& c) {
                    c.StraightLine(0, 0, 6, 2);
                    c.StraightLine(6, 3, 0, 5);
                  },
                  {0, 0, 7, 6},
                  {"##.....", "..###..", ".....#.", ".....##", "..###..", ".#....."}},
        PixelCase{"RectangleLeavesRightAndBottomEdge",
                  [](TQtChartCanvas& c) {
                    c.SetBrushColor(clRed);
                    c.SetBrushStyle(bsSolid);
                    c.DrawRect(1, 1, 7, 5);
                  },
                  {0, 0, 8, 6},
                  {"........", ".######.", ".#rrrr#.", ".#rrrr#.", ".######.", "........"}},
        PixelCase{"DottedGridThreeOnThreeOff",
                  [](TQtChartCanvas& c) {
                    c.AssignPen(DottedGrayPen(), clBlack);
                    c.HorizontalLine(0, 14, 0);
                  },
                  {0, 0, 15, 1},
                  {"###...###...##."}},
        // Lines that leave the picture stop at its edge, whichever way they run.
        PixelCase{"OnePixelLinesLeaveAtTheRightAndBottomEdges",
                  [](TQtChartCanvas& c) {
                    c.HorizontalLine(20, 14, 1);
                    c.HorizontalLine(12, 30, 2);
                    c.VerticalLine(10, 4, 20);
                    c.StraightLine(13, 5, 19, 8);
                  },
                  {8, 0, 16, 8},
                  {"........", ".......#", "....####", "........", "..#.....", "..#..#..",
                   "..#...##", "..#....."}},
        PixelCase{"TwoPixelPenWithRoundEnds",
                  [](TQtChartCanvas& c) {
                    c.AssignPen(TChartPen{.Width = 2});
                    c.VerticalLine(3, 2, 5);
                  },
                  {0, 0, 7, 7},
                  {".......", "..##...", "..##...", "..##...", "..##...", "..##...", "......."}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace chart
