#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWheelEvent>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "chart/chartwidget.h"
#include "form_chart.h"
#include "support/qt_application.h"

namespace chart {
namespace {

using Range = std::pair<double, double>;

Range RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

const QPoint kUpperLeft(100, 100);
const QPoint kLowerRight(200, 220);

// The program's chart window with 16 points 0..15 up the left axis, fed
// with real mouse and wheel events and painted after each drag, as the
// event loop would.
class ChartWindowMouse : public ::testing::Test {
 protected:
  // The events come from a mouse of the test's own, gone before the
  // program's exit takes the application down.
  static void SetUpTestSuite() {
    test_support::EnsureQtApplication();
    mouse_ = new QPointingDevice(
        "test mouse", 1, QInputDevice::DeviceType::Mouse, QPointingDevice::PointerType::Generic,
        QInputDevice::Capability::Position | QInputDevice::Capability::Scroll, 1, 3);
  }
  static void TearDownTestSuite() { delete mouse_; }

  ChartWindowMouse() : Series(SetUpColumnStrengthChart(Chart)) {
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
  // Presses at the first point, moves through the others and releases at the last.
  void Drag(Qt::MouseButton button, std::initializer_list<QPoint> points) {
    Send(QEvent::MouseButtonPress, button, button, *points.begin());
    for (const QPoint& p : points) Send(QEvent::MouseMove, Qt::NoButton, button, p);
    Send(QEvent::MouseButtonRelease, button, Qt::NoButton, *std::prev(points.end()));
    Paint();
  }
  void Zoom() { Drag(Qt::LeftButton, {kUpperLeft, kLowerRight}); }
  void Restore() { Drag(Qt::LeftButton, {kLowerRight, kUpperLeft}); }
  void ExpectAsBeforeAnyZoom() {
    EXPECT_EQ(RangeOf(Chart.BottomAxis), (Range{0, 100}));
    EXPECT_TRUE(Chart.LeftAxis.Automatic);
    EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 15}));
    EXPECT_FALSE(Chart.Zoomed);
  }

  static inline QPointingDevice* mouse_ = nullptr;
  TChart Chart;
  THorizLineSeries* Series;
};

TEST_F(ChartWindowMouse, LeftDragDownRightZoomsAndBackRestores) {
  const Range bottom{Chart.BottomAxis.PixelToValue(100), Chart.BottomAxis.PixelToValue(200)};
  const Range left{Chart.LeftAxis.PixelToValue(220), Chart.LeftAxis.PixelToValue(100)};
  Zoom();
  EXPECT_EQ(RangeOf(Chart.BottomAxis), bottom);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), left);
  EXPECT_TRUE(Chart.Zoomed);
  Restore();
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouse, TenByFiftyDragDoesNothing) {
  Drag(Qt::LeftButton, {kUpperLeft, kUpperLeft + QPoint(10, 50)});
  ExpectAsBeforeAnyZoom();
  EXPECT_FALSE(Chart.SavedAxes);
}

TEST_F(ChartWindowMouse, RestoreAfterZoomAndScrollReturnsToBeforeTheZoom) {
  Zoom();
  Drag(Qt::RightButton, {QPoint(150, 150), QPoint(120, 190)});
  Restore();
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouse, ZoomAfterRestoreSavesTheAxesAgain) {
  Zoom();
  Restore();
  Chart.LeftAxis.SetRange(2, 9);
  Zoom();
  Restore();
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{2, 9}));
}

TEST_F(ChartWindowMouse, RightDragStopsScrollingWhenItLeavesThePlot) {
  const TChartAxis& axis = Chart.BottomAxis;
  const double shift = axis.PixelToValue(150) - axis.PixelToValue(170);
  const Range expected{axis.Minimum() + shift, axis.Maximum() + shift};
  Drag(Qt::RightButton, {{150, 200}, {170, 200}, {Chart.ChartRect.Right + 5, 200}, {190, 200}});
  EXPECT_EQ(RangeOf(axis), expected);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 15}));
}

TEST_F(ChartWindowMouse, RightDragBackPastItsStartKeepsTheContentUnderTheMouse) {
  const TChartAxis& axis = Chart.BottomAxis;
  const Range before = RangeOf(axis);
  Drag(Qt::RightButton, {{150, 200}, {170, 200}, {130, 200}, {110, 200}});
  // The value that was under pixel 150 is now under pixel 110.
  const double shift = axis.PixelToValue(150) - axis.PixelToValue(110);
  EXPECT_NEAR(axis.Minimum(), before.first + shift, 1e-9);
  EXPECT_NEAR(axis.Maximum(), before.second + shift, 1e-9);
}

TEST_F(ChartWindowMouse, WheelNotchDownMovesTheLeftAxisUpThreePerCentUntilARestore) {
  const QPoint p(150, 200);
  QWheelEvent event(QPointF(p), QPointF(Chart.mapToGlobal(p)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false,
                    Qt::MouseEventNotSynthesized, mouse_);
  QCoreApplication::sendEvent(&Chart, &event);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Minimum(), 0.45);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Maximum(), 15.45);
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  Paint();
  Restore();
  ExpectAsBeforeAnyZoom();
}

TEST_F(ChartWindowMouse, NewPointsKeepTheZoomUntilARestore) {
  Zoom();
  const Range zoomed = RangeOf(Chart.LeftAxis);
  Fill(21);
  Paint();
  EXPECT_EQ(RangeOf(Chart.LeftAxis), zoomed);
  Restore();
  EXPECT_TRUE(Chart.LeftAxis.Automatic);
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 20}));
}

TEST_F(ChartWindowMouse, RubberBandShowsWhileDraggingAndLeavesThePictureClean) {
  const QImage before = Paint();
  Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, kUpperLeft);
  Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(110, 150));
  const QImage dragging = Paint();
  EXPECT_EQ(Chart.Picture().convertToFormat(before.format()), before)
      << "never drawn into the picture";
  // Only the outline of the band from (100, 100) to (110, 150) changes.
  int changed = 0;
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (dragging.pixel(x, y) == before.pixel(x, y)) continue;
      ++changed;
      EXPECT_TRUE(x == 100 || x == 109 || y == 100 || y == 149) << x << ", " << y;
    }
  }
  EXPECT_EQ(changed, 2 * 10 + 2 * 48);
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(110, 150));
  EXPECT_EQ(Paint(), before);
}

}  // namespace
}  // namespace chart
