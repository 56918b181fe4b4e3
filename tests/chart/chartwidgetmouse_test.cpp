#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointingDevice>
#include <QWheelEvent>
#include <utility>

#include "chart/chartwidget.h"
#include "form_chart.h"
#include "qt_application.h"

namespace chart {
namespace {

using Range = std::pair<double, double>;

Range RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

// The program's chart window with a profile of 16 points, fed with real
// mouse and wheel events. Between two drags it is painted, as the event
// loop would.
class ChartWindowMouseTest : public ::testing::Test {
 protected:
  // The events come from a mouse of the test's own, gone before the
  // program's exit takes the application down.
  static void SetUpTestSuite() {
    testing::EnsureQtApplication();
    mouse_ = new QPointingDevice(
        "test mouse", 1, QInputDevice::DeviceType::Mouse, QPointingDevice::PointerType::Generic,
        QInputDevice::Capability::Position | QInputDevice::Capability::Scroll, 1, 3);
  }
  static void TearDownTestSuite() { delete mouse_; }

  ChartWindowMouseTest() {
    Series = testing::ConfigureAsForm(Chart);
    Chart.resize(296, 473);
    Fill(16);
    Paint();
  }

  void Fill(int points) {
    Series->Clear();
    for (int i = 0; i < points; ++i) Series->Add(1.0 + 5 * i);
  }

  QImage Paint() { return Chart.grab().toImage(); }

  void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint p) {
    QMouseEvent event(type, QPointF(p), QPointF(Chart.mapToGlobal(p)), button, held, Qt::NoModifier,
                      mouse_);
    QCoreApplication::sendEvent(&Chart, &event);
  }
  void Press(Qt::MouseButton button, QPoint p) {
    Send(QEvent::MouseButtonPress, button, button, p);
  }
  void Move(Qt::MouseButton held, QPoint p) { Send(QEvent::MouseMove, Qt::NoButton, held, p); }
  void Release(Qt::MouseButton button, QPoint p) {
    Send(QEvent::MouseButtonRelease, button, Qt::NoButton, p);
  }
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    Press(button, from);
    Move(button, to);
    Release(button, to);
    Paint();
  }
  void Wheel(int delta) {
    const QPoint p(150, 200);
    QWheelEvent event(QPointF(p), QPointF(Chart.mapToGlobal(p)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false,
                      Qt::MouseEventNotSynthesized, mouse_);
    QCoreApplication::sendEvent(&Chart, &event);
    Paint();
  }

  void ExpectAsBeforeAnyZoom() {
    EXPECT_EQ(RangeOf(Chart.BottomAxis), (Range{0, 100}));
    EXPECT_FALSE(Chart.BottomAxis.Automatic);
    EXPECT_TRUE(Chart.LeftAxis.Automatic);
    EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 15}));
    EXPECT_FALSE(Chart.Zoomed);
  }

  static inline QPointingDevice* mouse_ = nullptr;
  TChart Chart;
  THorizLineSeries* Series = nullptr;
};

const QPoint kUpperLeft(100, 100);
const QPoint kLowerRight(200, 220);

TEST_F(ChartWindowMouseTest, LeftDragDownRightZoomsAndBackRestores) {
  const TRect& plot = Chart.ChartRect;
  ASSERT_TRUE(plot.Left <= 100 && 200 < plot.Right && plot.Top <= 100 && 220 < plot.Bottom);
  const Range bottom{Chart.BottomAxis.PixelToValue(100), Chart.BottomAxis.PixelToValue(200)};
  const Range left{Chart.LeftAxis.PixelToValue(220), Chart.LeftAxis.PixelToValue(100)};
  Drag(Qt::LeftButton, kUpperLeft, kLowerRight);
  EXPECT_EQ(RangeOf(Chart.BottomAxis), bottom);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), left);
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  EXPECT_TRUE(Chart.Zoomed);

  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouseTest, TenByFiftyDragDoesNothing) {
  Drag(Qt::LeftButton, kUpperLeft, kUpperLeft + QPoint(10, 50));
  ExpectAsBeforeAnyZoom();
  EXPECT_FALSE(Chart.SavedAxes);
}

TEST_F(ChartWindowMouseTest, RestoreAfterZoomAndScrollReturnsToBeforeTheZoom) {
  Drag(Qt::LeftButton, kUpperLeft, kLowerRight);
  Drag(Qt::RightButton, QPoint(150, 150), QPoint(120, 190));
  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouseTest, ZoomAfterRestoreSavesTheAxesAgain) {
  Drag(Qt::LeftButton, kUpperLeft, kLowerRight);
  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  Chart.LeftAxis.SetRange(2, 9);
  Drag(Qt::LeftButton, kUpperLeft, kLowerRight);
  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{2, 9}));
}

TEST_F(ChartWindowMouseTest, RightDragStopsScrollingWhenItLeavesThePlot) {
  const Range bottom = RangeOf(Chart.BottomAxis);
  const double step = Chart.BottomAxis.PixelToValue(150) - Chart.BottomAxis.PixelToValue(170);
  Press(Qt::RightButton, QPoint(150, 200));
  Move(Qt::RightButton, QPoint(170, 200));
  Move(Qt::RightButton, QPoint(Chart.ChartRect.Right + 5, 200));
  Move(Qt::RightButton, QPoint(190, 200));
  Release(Qt::RightButton, QPoint(190, 200));
  EXPECT_EQ(RangeOf(Chart.BottomAxis), (Range{bottom.first + step, bottom.second + step}));
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 15}));
}

TEST_F(ChartWindowMouseTest, RightDragBackPastItsStartKeepsTheContentUnderTheMouse) {
  const TChartAxis& axis = Chart.BottomAxis;
  const Range bottom = RangeOf(axis);
  Press(Qt::RightButton, QPoint(150, 200));
  Move(Qt::RightButton, QPoint(170, 200));
  Move(Qt::RightButton, QPoint(130, 200));
  Move(Qt::RightButton, QPoint(110, 200));
  Release(Qt::RightButton, QPoint(110, 200));
  // The value that was under pixel 150 is now under pixel 110.
  const double shift = axis.PixelToValue(150) - axis.PixelToValue(110);
  EXPECT_NEAR(axis.Minimum(), bottom.first + shift, 1e-9);
  EXPECT_NEAR(axis.Maximum(), bottom.second + shift, 1e-9);
}

TEST_F(ChartWindowMouseTest, WheelNotchDownMovesTheLeftAxisUpThreePerCentUntilARestore) {
  Wheel(-120);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Minimum(), 0.45);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Maximum(), 15.45);
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouseTest, NewPointsKeepTheZoomUntilARestore) {
  Drag(Qt::LeftButton, kUpperLeft, kLowerRight);
  const Range zoomed = RangeOf(Chart.LeftAxis);
  Fill(21);
  Paint();
  EXPECT_EQ(RangeOf(Chart.LeftAxis), zoomed);
  Drag(Qt::LeftButton, kLowerRight, kUpperLeft);
  EXPECT_TRUE(Chart.LeftAxis.Automatic);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 20}));
}

TEST_F(ChartWindowMouseTest, RubberBandShowsWhileDraggingAndLeavesThePictureClean) {
  const QImage before = Paint();
  Press(Qt::LeftButton, kUpperLeft);
  Move(Qt::LeftButton, QPoint(110, 150));
  const QImage dragging = Paint();
  EXPECT_EQ(Chart.Picture().convertToFormat(before.format()), before);
  // The outline is the not-xor of its colour with the picture; every
  // other pixel is the picture's.
  const QRgb pen = TQtChartCanvas::QtColor(RubberBand(Chart.Zoom, Chart.Color).PenColor).rgb();
  int outline = 0;
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      const bool inBand = 100 <= x && x < 110 && 100 <= y && y < 150;
      const bool inside = 100 < x && x < 109 && 100 < y && y < 149;
      QRgb expected = before.pixel(x, y);
      if (inBand && !inside) {
        expected = 0xFF000000 | (~(pen ^ expected) & 0xFFFFFF);
        ++outline;
      }
      ASSERT_EQ(dragging.pixel(x, y), expected) << x << ", " << y;
    }
  }
  EXPECT_EQ(outline, 2 * 10 + 2 * 48);
  // Too small to zoom: released, the window shows the picture as it was.
  Release(Qt::LeftButton, QPoint(110, 150));
  EXPECT_EQ(Paint(), before);
}

}  // namespace
}  // namespace chart
