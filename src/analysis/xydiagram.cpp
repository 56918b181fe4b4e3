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

XyDiagram MakeXyDiagram(const model::ColumnResult& column, model::StrengthUnit unit) {
  XyDiagram diagram;
  const auto shown = [unit](long double x, long double y) {
    return XyPoint{model::StrengthIn(model::Strength::FromFraction(x).Percent(), unit),
                   model::StrengthIn(model::Strength::FromFraction(y).Percent(), unit)};
  };
  for (int i = 0; i <= kEquilibriumPoints; ++i) {
    const long double x = static_cast<long double>(i) / kEquilibriumPoints;
    diagram.equilibrium.push_back(shown(x, model::vapourstrength(x)));
  }

  const int traycount = std::max(0, column.inputs.traycount);
  const long double still = column.inputs.stillstrength.Fraction();
  long double below = model::vapourstrength(still);
  diagram.stages.push_back({0, shown(still, below)});
  diagram.staircase.push_back(diagram.stages.back().point);
  for (int i = 1; i <= traycount; ++i) {
    const long double liquid = column.Tray(i).liquid.Fraction();
    diagram.operating.push_back(shown(liquid, below));
    diagram.staircase.push_back(diagram.operating.back());
    below = column.Tray(i).vapour.Fraction();
    diagram.stages.push_back({i, shown(liquid, below)});
    diagram.staircase.push_back(diagram.stages.back().point);
  }
  const long double top = column.topstrength.Fraction();
  diagram.top = shown(top, top);
  diagram.operating.push_back(shown(top, below));
  diagram.staircase.push_back(diagram.operating.back());

  // Constant molar overflow is a straight line in mole fractions.
  const model::RefluxRatio& reflux = column.inputs.reflux;
  const long double topmole = model::molefrommass(Clamped(top));
  const long double stillmole = model::molefrommass(Clamped(still));
  for (int i = 0; i <= kTextbookPoints; ++i) {
    const long double x = stillmole + (topmole - stillmole) * i / kTextbookPoints;
    const long double y = Clamped((reflux.Ratio() * x + topmole) / reflux.PlusOne());
    diagram.textbook.push_back(shown(model::massfrommole(x), model::massfrommole(y)));
  }
  diagram.topdownsolved = column.topdownsolved;
  for (int i = 1; i <= traycount; ++i) {
    if (!(column.Tray(i).liquid.Fraction() > 0)) diagram.drytrays.push_back(i);
  }
  return diagram;
}

}  // namespace analysis
