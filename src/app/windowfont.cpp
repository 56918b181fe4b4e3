#include "app/windowfont.h"

namespace app {
namespace {

QFont PixelFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

}  // namespace

QFont WindowFont() { return PixelFont("MS Sans Serif"); }

QFont VersionLabelFont() { return PixelFont("@Arial Unicode MS"); }

}  // namespace app
