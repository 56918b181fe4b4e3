#include "chart/chartwidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace chart {

TChart::TChart(QWidget* parent)
    : QWidget(parent), TChartMouse(static_cast<TCustomChart&>(*this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

TChart::~TChart() = default;

void TChart::InvalidateWindow() { update(); }

void TChart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  BufferStale = true;
}

void TChart::paintEvent(QPaintEvent*) {
  const bool pictureFits = canvas_.Image().size() == size();
  if (BufferStale || !Buffered || !pictureFits) {
    canvas_.BeginDraw(width(), height());
    PaintTo(canvas_, TRect{0, 0, width(), height()});
    canvas_.EndDraw();
    ++fullDraws_;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_.Image());
  DrawRubberBand(painter);
  BufferStale = false;
}

}  // namespace chart
