#include "widgets/programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace widgets {

void PaintProgramIcon(QPainter& p, qreal side) {
  p.save();
  p.scale(side / kProgramIconDesignSide, side / kProgramIconDesignSide);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor copper(184, 98, 45);
  const QColor copperDark(110, 55, 25);
  const QColor glass(170, 210, 235);

  // Flame under the still.
  QPainterPath flame;
  flame.moveTo(18, 47);
  flame.cubicTo(14, 43, 20, 41, 19, 38);
  flame.cubicTo(23, 41, 24, 40, 24, 37);
  flame.cubicTo(27, 40, 29, 41, 29, 38);
  flame.cubicTo(30, 42, 33, 44, 30, 47);
  flame.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 120, 20));
  p.drawPath(flame);

  // The still: a round pot.
  p.setPen(QPen(copperDark, 1.2));
  p.setBrush(copper);
  p.drawEllipse(QRectF(11, 27, 26, 13));
  p.drawRect(QRectF(12, 30, 24, 5));

  // The column with its trays.
  p.setBrush(glass);
  p.drawRect(QRectF(19.5, 7.5, 9, 22));
  p.setPen(QPen(copperDark, 1.4));
  for (int y = 11; y <= 27; y += 4) p.drawLine(QPointF(20, y), QPointF(28, y));

  // The condenser on top and the product pipe.
  p.setPen(QPen(copperDark, 1.2));
  p.setBrush(copper);
  p.drawRoundedRect(QRectF(17, 1.5, 14, 6), 2, 2);
  p.setPen(QPen(copperDark, 2));
  p.drawLine(QPointF(31, 4.5), QPointF(41, 4.5));
  p.drawLine(QPointF(41, 4.5), QPointF(41, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 130, 220));
  p.drawEllipse(QRectF(39, 16, 4, 5));
  p.restore();
}

QImage ProgramIconImage(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintProgramIcon(painter, side);
  return image;
}

QIcon ProgramIcon() { return QIcon(QPixmap::fromImage(ProgramIconImage())); }

}  // namespace widgets
