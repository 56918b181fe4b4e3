#include "chart/colors.h"

namespace chart {

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000) == 0) return color;
  switch (color) {
    case clBtnFace: return RGB(240, 240, 240);
    case clBtnShadow: return RGB(160, 160, 160);
    case clBtnHighlight: return clWhite;
    case clWindow: return clWhite;
    case clWindowText: return clBlack;
    default: return clBlack;
  }
}

}  // namespace chart
