#include "app/windowfont.h"

namespace app {
namespace {

constexpr char kWindowFamily[] = "MS Sans Serif";
constexpr char kVersionLabelFamily[] = "@Arial Unicode MS";

QFont PixelFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

}  // namespace

QFont WindowFont() { return PixelFont(kWindowFamily); }

QFont VersionLabelFont() { return PixelFont(kVersionLabelFamily); }

void InstallFontSubstitutes() {
  QFont::insertSubstitution(kWindowFamily, "Liberation Sans");
  QFont::insertSubstitution(kVersionLabelFamily, "Liberation Sans");
}

}  // namespace app
