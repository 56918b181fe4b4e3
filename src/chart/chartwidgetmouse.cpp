// The chart control's mouse: Qt's events forwarded to TChartMouse, and the
// zoom rectangle over the window's copy of the picture.

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <optional>

#include "chart/chartwidget.h"

namespace chart {

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
  }
}

}  // namespace

void TChart::mousePressEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  MouseDown(*button, p.x(), p.y());
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseMove(p.x(), p.y());
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  MouseUp(*button, p.x(), p.y());
}

void TChart::wheelEvent(QWheelEvent* event) { MouseWheel(event->angleDelta().y()); }

// The picture stays as it is; only the window's copy gets the rectangle.
void TChart::RubberBandChanged() { update(); }

void TChart::DrawRubberBand(QPainter& painter) const {
  if (!Zoom.Active) return;
  const TZoomRubberBand band = RubberBand(Zoom, Color);
  const TRect& r = band.Rect;
  if (r.Width() <= 0 || r.Height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  // The outline one pixel wide, each pixel painted once, so that the
  // not-xor colour comes out as chosen.
  const QRegion outer(r.Left, r.Top, r.Width(), r.Height());
  const QRegion inner(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2);
  const QColor color = TQtChartCanvas::QtColor(band.PenColor);
  for (const QRect& part : outer.subtracted(inner)) painter.fillRect(part, color);
  painter.restore();
}

}  // namespace chart
