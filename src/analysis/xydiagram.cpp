#include "analysis/xydiagram.h"

#include <algorithm>

#include "model/properties.h"
#include "model/strengthunits.h"

namespace analysis {
namespace {

// Enough points that the curve's bend near the water end looks smooth.
constexpr int kEquilibriumPoints = 1000;
constexpr int kTextbookPoints = 100;

long double Clamped(long double fraction) { return std::clamp(fraction, 0.0L, 1.0L); }

}  // namespace

XyDiagram MakeXyDiagram(const model::TColumn& column, model::StrengthUnit unit) {
  XyDiagram diagram;
  const auto shown = [unit](long double x, long double y) {
    return XyPoint{model::StrengthIn(x * 100, unit), model::StrengthIn(y * 100, unit)};
  };
  for (int i = 0; i <= kEquilibriumPoints; ++i) {
    const long double x = static_cast<long double>(i) / kEquilibriumPoints;
    diagram.equilibrium.push_back(shown(x, model::vapourstrength(x)));
  }

  const int traycount = std::max(0, column.inputs.traycount);
  const long double still = column.inputs.stillstrength;
  long double below = model::vapourstrength(still);
  diagram.stages.push_back({0, shown(still, below)});
  diagram.staircase.push_back(diagram.stages.back().point);
  for (int i = 1; i <= traycount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const long double liquid = column.trayliquid[at];
    diagram.operating.push_back(shown(liquid, below));
    diagram.staircase.push_back(diagram.operating.back());
    below = column.trayvapour[at];
    diagram.stages.push_back({i, shown(liquid, below)});
    diagram.staircase.push_back(diagram.stages.back().point);
  }
  diagram.top = shown(column.topstrength, column.topstrength);
  diagram.operating.push_back(shown(column.topstrength, below));
  diagram.staircase.push_back(diagram.operating.back());

  // Constant molar overflow is a straight line in mole fractions.
  const long double ratio = column.inputs.refluxplusone - 1;
  const long double topmole = model::molefrommass(Clamped(column.topstrength));
  const long double stillmole = model::molefrommass(Clamped(still));
  for (int i = 0; i <= kTextbookPoints; ++i) {
    const long double x = stillmole + (topmole - stillmole) * i / kTextbookPoints;
    const long double y = Clamped((ratio * x + topmole) / column.inputs.refluxplusone);
    diagram.textbook.push_back(shown(model::massfrommole(x), model::massfrommole(y)));
  }
  diagram.topdownsolved = column.topdownsolved;
  for (int i = 1; i <= traycount; ++i) {
    if (!(column.trayliquid[static_cast<std::size_t>(i)] > 0)) diagram.drytrays.push_back(i);
  }
  return diagram;
}

}  // namespace analysis
