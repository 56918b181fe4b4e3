#pragma once

#include <cstdint>

namespace chart {

// A colour in the platform's 0x00BBGGRR order, a system-colour code
// (high byte 0xFF), or one of the engine's two markers below.
using TColor = std::uint32_t;

// Stands for "the colour of the context" (for a series: its palette colour).
inline constexpr TColor clTeeColor = 0x20000000;
// Stands for "no colour": nothing is drawn.
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours, resolved by ColorToRGB.
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;

// The 0x00BBGGRR value a colour is painted with. System colours take the
// values of the classic desktop scheme so that pictures do not depend on the
// machine's theme; the markers and other codes give black.
TColor ColorToRGB(TColor color);

inline constexpr int GetRValue(TColor c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GetGValue(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int GetBValue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
inline constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Okabe and Ito's eight colours, which people with the common colour-vision
// deficiencies still tell apart; those that stand out best on white come
// first, as lines take them in turn.
inline constexpr TColor kDistinctColours[] = {
    RGB(213, 94, 0),  RGB(0, 114, 178),  RGB(0, 158, 115), RGB(230, 159, 0),
    RGB(204, 121, 167), RGB(86, 180, 233), clBlack,          RGB(240, 228, 66)};

}  // namespace chart
