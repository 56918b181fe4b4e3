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
#include "support/qtapplication.h"

namespace chart {
namespace {

using Range = std::pair<double, double>;

Range RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

const QPoint kUpperLeft(100, 100);
const QPoint kLowerRight(200, 220);

// In the window the plot runs from (31, 39) to (242, 435): the bottom axis
// shows 0..100 over 211 pixels and the left axis 15..0 over 396.
double BottomValueAt(int x) { return (x - 31) * 100.0 / 211; }
double LeftValueAt(int y) { return 15 - (y - 39) * 15.0 / 396; }

void ExpectRange(const TChartAxis& axis, const Range& range) {
  EXPECT_NEAR(axis.Minimum(), range.first, 1e-9);
  EXPECT_NEAR(axis.Maximum(), range.second, 1e-9);
}

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

TEST_F(ChartWindowMouse, LeftDragDownRightZoomsAndAnyOtherLongDragRestores) {
  for (const auto& [from, to] : {std::pair{kLowerRight, kUpperLeft},             // back
                                 std::pair{QPoint(100, 220), QPoint(200, 100)},  // right and up
                                 std::pair{QPoint(200, 100), QPoint(100, 220)}}) {  // left and down
    Zoom();
    ExpectRange(Chart.BottomAxis, {BottomValueAt(100), BottomValueAt(200)});
    ExpectRange(Chart.LeftAxis, {LeftValueAt(220), LeftValueAt(100)});
    for (const TChartAxis* axis : Chart.Axes()) EXPECT_FALSE(axis->Automatic);
    EXPECT_TRUE(Chart.Zoomed);
    Drag(Qt::LeftButton, {from, to});
    ExpectAsBeforeAnyZoom();
  }
}

// A drag must be longer than 16 pixels both ways to zoom; new points keep
// the zoom until a restore.
TEST_F(ChartWindowMouse, ShortDragsDoNothingAndNewPointsKeepAZoom) {
  for (const QPoint& by : {QPoint(10, 50), QPoint(16, 60), QPoint(60, 16)}) {
    Drag(Qt::LeftButton, {kUpperLeft, kUpperLeft + by});
    ExpectAsBeforeAnyZoom();
  }
  Drag(Qt::LeftButton, {kUpperLeft, kUpperLeft + QPoint(17, 17)});
  const Range zoomed = RangeOf(Chart.LeftAxis);
  Fill(21);
  Paint();
  EXPECT_EQ(RangeOf(Chart.LeftAxis), zoomed);
  Restore();
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 20}));
}

// Scrolls, by drag or wheel, with or without a zoom before, are undone
// together: the restore returns to the ranges before the first of them.
TEST_F(ChartWindowMouse, RestoreReturnsToBeforeTheFirstZoomOrScroll) {
  const QPoint p(150, 200);
  QWheelEvent notchDown(QPointF(p), QPointF(Chart.mapToGlobal(p)), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false, Qt::MouseEventNotSynthesized, mouse_);
  for (const bool zoomFirst : {true, false}) {
    if (zoomFirst) Zoom();
    Drag(Qt::RightButton, {QPoint(150, 150), QPoint(120, 190)});
    ASSERT_NE(RangeOf(Chart.BottomAxis), (Range{0, 100}));
    Restore();
    ExpectAsBeforeAnyZoom();
  }
  QCoreApplication::sendEvent(&Chart, &notchDown);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Minimum(), 0.45) << "a notch down moves the range up 3 %";
  EXPECT_DOUBLE_EQ(Chart.LeftAxis.Maximum(), 15.45);
  EXPECT_FALSE(Chart.LeftAxis.Automatic);
  Paint();
  Restore();
  ExpectAsBeforeAnyZoom();
  // The flags come back after the range: an axis fixed at one end keeps
  // the other automatic.
  Chart.LeftAxis.SetRange(2, 9);
  Chart.LeftAxis.AutomaticMaximum = true;
  Paint();
  Zoom();
  Restore();
  EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{2, 15})) << "the axes saved again at the next zoom";
  EXPECT_FALSE(Chart.LeftAxis.AutomaticMinimum);
  EXPECT_TRUE(Chart.LeftAxis.AutomaticMaximum);
}

// Each step scrolls from the last position, so the content stays under the
// mouse whichever way it turns; leaving the plot ends the scroll.
TEST_F(ChartWindowMouse, RightDragKeepsTheContentUnderTheMouseInsideThePlot) {
  const struct {
    std::initializer_list<QPoint> points;
    int pixels;  // the range moves up by this many of 211
  } drags[] = {{{{150, 200}, {170, 200}, {130, 200}, {110, 200}}, 40},
               {{{150, 200}, {170, 200}, {Chart.ChartRect.Right + 5, 200}, {190, 200}}, -20}};
  for (const auto& drag : drags) {
    Drag(Qt::RightButton, drag.points);
    const double shift = drag.pixels * 100.0 / 211;
    ExpectRange(Chart.BottomAxis, {shift, 100 + shift});
    EXPECT_EQ(RangeOf(Chart.LeftAxis), (Range{0, 15}));
    Restore();
  }
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
