#include "chart/chartwidget.h"

#include <QPaintEvent>
#include <QPainter>

namespace chart {

TChart::TChart(QWidget* parent)
    : QWidget(parent), TChartMouse(static_cast<TCustomChart&>(*this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

TChart::~TChart() = default;

void TChart::InvalidateWindow() { update(); }

void TChart::paintEvent(QPaintEvent*) {
  // A new size needs a new picture; the size is checked here rather than on
  // resize events, which Qt also sends unchanged before grabbing a widget.
  const bool pictureFits =
      canvas_.LogicalSize() == size() && canvas_.Image().devicePixelRatio() == devicePixelRatioF();
  if (BufferStale || !pictureFits) {
    canvas_.BeginDraw(width(), height(), devicePixelRatioF());
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
