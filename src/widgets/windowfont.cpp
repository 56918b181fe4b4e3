#include "widgets/windowfont.h"

#include <QFontInfo>

namespace widgets {
namespace {

constexpr char kWindowFamily[] = "MS Sans Serif";
constexpr char kVersionLabelFamily[] = "@Arial Unicode MS";
constexpr qreal kStandInLetterSpacing = -0.5;

QFont PixelFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

}  // namespace

QFont WindowFont() {
  QFont font = PixelFont(kWindowFamily);
  // The stand-in face is wider than the classic 8-point face; half a pixel
  // less between letters brings its captions to the classic widths, so that
  // every caption fits the control the layout gives it.
  if (QFontInfo(font).family() != kWindowFamily) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, kStandInLetterSpacing);
  }
  return font;
}

QFont VersionLabelFont() { return PixelFont(kVersionLabelFamily); }

void InstallFontSubstitutes() {
  QFont::insertSubstitution(kWindowFamily, "Liberation Sans");
  QFont::insertSubstitution(kVersionLabelFamily, "Liberation Sans");
}

}  // namespace widgets
