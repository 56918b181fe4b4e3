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

TShiftState ShiftOf(const QMouseEvent& event) {
  const Qt::KeyboardModifiers keys = event.modifiers();
  const Qt::MouseButtons buttons = event.buttons();
  TShiftState shift = 0;
  if (keys & Qt::ShiftModifier) shift |= ssShift;
  if (keys & Qt::AltModifier) shift |= ssAlt;
  if (keys & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

}  // namespace

void TChart::mousePressEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  MouseDown(*button, ShiftOf(*event), p.x(), p.y());
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseMove(ShiftOf(*event), p.x(), p.y());
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  MouseUp(*button, ShiftOf(*event), p.x(), p.y());
}

void TChart::wheelEvent(QWheelEvent* event) {
  event->setAccepted(MouseWheel(event->angleDelta().y()));
}

// The picture stays as it is; only the window's copy gets the rectangle.
void TChart::RubberBandChanged() { update(); }

void TChart::RepaintNow() { repaint(); }

void TChart::DrawRubberBand(QPainter& painter) const {
  if (!Zoom.Active) return;
  const TZoomRubberBand band = RubberBand(Zoom, Color);
  const TRect& r = band.Rect;
  if (r.Width() <= 0 || r.Height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  // Each pixel is painted once, the fill inside the outline, so that the
  // not-xor colours come out as chosen.
  const int inset = band.Outlined ? band.PenWidth : 0;
  if (band.Filled && r.Width() > 2 * inset && r.Height() > 2 * inset) {
    painter.fillRect(QRect(r.Left + inset, r.Top + inset, r.Width() - 2 * inset,
                           r.Height() - 2 * inset),
                     TQtChartCanvas::QtColor(band.FillColor));
  }
  if (band.Outlined) {
    const QRegion outer(r.Left, r.Top, r.Width(), r.Height());
    const QRegion inner(r.Left + inset, r.Top + inset, r.Width() - 2 * inset,
                        r.Height() - 2 * inset);
    const QColor color = TQtChartCanvas::QtColor(band.PenColor);
    for (const QRect& part : outer.subtracted(inner)) painter.fillRect(part, color);
  }
  painter.restore();
}

}  // namespace chart
