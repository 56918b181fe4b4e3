#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace widgets {

// The side of the icon's design, in the units its drawing uses.
inline constexpr int kProgramIconDesignSide = 48;

// Paints the program's picture, a still on its fire, the column of trays
// above it and the condenser on top, into the square from (0, 0) with the
// given side, scaled from the 48-unit design. Pixel pictures and the
// scalable file are all drawn from here, so they cannot drift apart.
void PaintProgramIcon(QPainter& painter, qreal side);

// The icon as a transparent square picture of `side` pixels.
QImage ProgramIconImage(int side = kProgramIconDesignSide);
QIcon ProgramIcon();

}  // namespace widgets
