#pragma once

#include <QWidget>

#include "chart/chart.h"
#include "chart/mouse.h"
#include "chart/qtcanvas.h"

class QMouseEvent;
class QPaintEvent;
class QWheelEvent;

namespace chart {

// The chart control: a TCustomChart in a window. It draws into an
// off-screen picture and copies that to the window; any number of repaint
// requests before a paint cost one full redraw, and a paint with nothing
// changed only copies the picture. The window background is never erased
// by the platform: the chart paints every pixel itself. Mouse drags and
// wheel notches go to TChartMouse; the zoom rectangle is drawn over the
// copy of the picture, never into it.
class TChart : public QWidget, public TCustomChart, public TChartMouse {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
  ~TChart() override;

  // The off-screen picture of the last full draw.
  const QImage& Picture() const { return canvas_.Image(); }
  // How many full draws the control has made.
  int FullDrawCount() const { return fullDraws_; }

 protected:
  void InvalidateWindow() override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void RubberBandChanged() override;

 private:
  void DrawRubberBand(QPainter& painter) const;

  TQtChartCanvas canvas_;
  int fullDraws_ = 0;
};

}  // namespace chart
