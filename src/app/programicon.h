#pragma once

#include <QIcon>
#include <QImage>

namespace app {

// The program's 48 x 48 picture: a still on its fire, the column of trays
// above it and the condenser on top.
QImage ProgramIconImage();
QIcon ProgramIcon();

}  // namespace app
