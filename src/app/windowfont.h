#pragma once

#include <QFont>

namespace app {

// "MS Sans Serif" at 11 pixels: the font both windows are laid out for.
QFont WindowFont();

// The version label's own font, "@Arial Unicode MS" at 11 pixels.
QFont VersionLabelFont();

}  // namespace app
