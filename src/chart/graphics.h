#pragma once

#include <string>

#include "chart/colors.h"

namespace chart {

// A rectangle in client pixels; Right and Bottom are exclusive where a
// drawing operation takes it.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenEndStyle { esRound, esSquare, esFlat };
enum TBrushStyle { bsSolid, bsClear };
// How a pen combines with the picture: plain painting, or not-xor, which a
// second identical stroke undoes.
enum TPenMode { pmCopy, pmNotXor };

// A pen with a Visible flag; pens thinner than 2 pixels are drawn as plain
// one-pixel pens, wider ones with the end style.
struct TChartPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  bool Visible = true;
  TPenEndStyle EndStyle = esRound;
  // Alternate pixels on and off instead of the style's dashes.
  bool SmallDots = false;
  TPenMode Mode = pmCopy;

  friend bool operator==(const TChartPen&, const TChartPen&) = default;
};

// The pens the axes start with.
inline TChartPen HiddenPen() { return {.Visible = false}; }
inline TChartPen DarkGrayPen() { return {.Color = clGray}; }
inline TChartPen DottedGrayPen() { return {.Color = clGray, .Style = psDot}; }

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  friend bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

// Size is in points; the canvas draws at 96 pixels per inch.
struct TChartFont {
  std::string Name = "Arial";
  int Size = 8;
  TColor Color = clBlack;
  TFontStyles Style;
  // Extra pixels between characters.
  int InterCharSize = 0;

  friend bool operator==(const TChartFont&, const TChartFont&) = default;
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A drop shadow to the right of and below a shape.
struct TChartShadow {
  TColor Color = clBlack;
  int HorizSize = 3;
  int VertSize = 3;
};

}  // namespace chart
