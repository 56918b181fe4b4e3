#pragma once

#include <QFont>

namespace widgets {

// "MS Sans Serif" at 11 pixels: the font both windows are laid out for.
QFont WindowFont();

// The version label's own font, "@Arial Unicode MS" at 11 pixels.
QFont VersionLabelFont();

// Where the faces above are missing, the metric-compatible face that the
// set-up installs stands in, so the fixed layout fits and looks the same on
// every machine. The application object installs them at start.
void InstallFontSubstitutes();

}  // namespace widgets
