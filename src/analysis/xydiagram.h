#pragma once

#include <vector>

#include "model/column.h"
#include "model/strengthunits.h"

namespace analysis {

struct XyPoint {
  long double x = 0;  // liquid, per cent
  long double y = 0;  // vapour, per cent
};

// One stage of the staircase: the still (number 0) or a tray, with the
// liquid on it and the vapour leaving it, as the tray table holds them.
struct XyStage {
  int number = 0;
  XyPoint point;
};

// A calculation on the x-y (McCabe-Thiele) diagram, in per cent of one unit.
struct XyDiagram {
  // The model's own equilibrium relation over the liquid strengths 0..100 %.
  std::vector<XyPoint> equilibrium;
  // The column's operating curve: each tray's liquid with the vapour that
  // rises into it from the stage below, then the reflux with the top vapour.
  std::vector<XyPoint> operating;
  // Constant molar overflow through the top composition, slope R / (R + 1)
  // in mole fractions, from the still's liquid to the top.
  std::vector<XyPoint> textbook;
  // Corners of the steps: from each stage across to the liquid of the tray
  // above at the vapour that rises into it, then up to that tray's vapour;
  // the last runs across to the top strength.
  std::vector<XyPoint> staircase;
  std::vector<XyStage> stages;
  XyPoint top;  // the product: top strength on both axes
  // What the diagram shows that the steps do not explain: the profile was
  // solved from the top down, and the trays whose liquid has no ethanol.
  bool topdownsolved = false;
  std::vector<int> drytrays;  // ascending
};

// The diagram of a finished calculation.
// Strengths in per cent of `unit`: by mass, by volume or by mole.
XyDiagram MakeXyDiagram(const model::ColumnResult& column, model::StrengthUnit unit);

}  // namespace analysis
