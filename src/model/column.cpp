#include "model/columnsolver.h"

#include <algorithm>
#include <cmath>

#include "model/liquidmemo.h"
#include "model/properties.h"
#include "runtime/errors.h"
#include "runtime/fpstatus.h"

namespace model {

namespace {

constexpr int kCorrections = 1000;
constexpr int kBisectionSteps = 100;
constexpr long double kFirstStepWidth = 0.95L;
constexpr long double kTopTolerance = 0.0005L;

int CheckedTrayCount(std::int32_t traycount) {
  if (traycount > kMaxTrays) {
    throw runtime::EColumnInputError("Кол-во тарелок не может быть больше 100");
  }
  return traycount;
}

}  // namespace

// The whole power leaves every stage as vapour. 3600·P is formed in 64 bits:
// it does not fit in 32 for powers above 596523 W.
long double TColumn::VapourFlow(long double vapour) const {
  return VapourFlowForHeat(heatofvaporization(vapour));
}

long double TColumn::VapourFlowForHeat(long double heat) const {
  const std::int64_t heatperhour = std::int64_t{3600} * inputs.power;
  return static_cast<long double>(heatperhour) / heat;
}

// The product is the top vapour divided by R + 1; a reflux ratio of -1, or a
// heat of vaporization that cancels to 0, faults here first.
void TColumn::SetTopStrength(long double top) {
  topstrength = top;
  product = VapourFlow(top) / inputs.reflux.PlusOne();
  productethanol = product * top;
  // An infinite or NaN product times the positive top strength raises nothing
  // new, so one check after both still reports the first fault.
  runtime::CheckFloatFaults(product, productethanol);
}

// Marches from the still up with the current product and returns the vapour
// strength leaving the top tray. The liquid strength is held between the
// still's and the cap, and a tray with no liquid flowing down is taken as
// holding still liquid.
long double TColumn::MarchToTop(long double stillvapourstrength, Repeats repeats) const {
  long double vapour = stillvapour;
  long double ethanol = stillethanol;
  long double top = stillvapourstrength;
  for (int tray = 1; tray <= inputs.traycount; ++tray) {
    long double liquid = vapour - product;
    long double liquidethanol = ethanol - productethanol;
    if (liquid <= 0.0L) {
      liquidethanol = 0.0L;
      liquid = 1.0L;
    }
    long double strength = liquidethanol / liquid;
    if (strength >= kLiquidCap) strength = kLiquidCap;
    if (strength < inputs.stillstrength.Fraction()) strength = inputs.stillstrength.Fraction();
    top = vapourstrength(strength);
    const long double nextvapour = VapourFlow(top);
    const long double nextethanol = top * nextvapour;
    // A tray that passes on the vapour it received (held at the cap, or at
    // the still's strength from the first tray on) makes every tray above it
    // the same.
    if (repeats == Repeats::kSkip && nextvapour == vapour && nextethanol == ethanol) break;
    vapour = nextvapour;
    ethanol = nextethanol;
  }
  return top;
}

// The profile march keeps the raw ethanol balance: no zeroing of the liquid's
// ethanol, no cap, no floor. A product far above the vapour can drive the
// strength out of the fits' range, where vapourstrength overflows.
void TColumn::MarchProfile() {
  long double vapour = stillvapour;
  long double ethanol = stillethanol;
  for (int tray = 1; tray <= inputs.traycount; ++tray) {
    long double liquid = vapour - product;
    if (liquid <= 0.0L) liquid = 1.0L;
    const long double strength = (ethanol - productethanol) / liquid;
    const long double traytop = vapourstrength(strength);
    runtime::CheckFloatFaults(traytop);
    trayreturn[tray] = liquid;
    trayliquid[tray] = strength;
    trayvapour[tray] = traytop;
    traytemperature[tray] = temperature(traytop);
    vapour = VapourFlow(traytop);
    ethanol = traytop * vapour;
  }
}

void TColumn::Calculate(const ColumnInputs& newinputs, Repeats repeats) {
  CheckedTrayCount(newinputs.traycount);
  inputs = newinputs;
  topdownsolved = false;
  runtime::ClearFloatFaults();

  // A still strength beyond the extended range overflows in the fits here.
  const long double stillvapourstrength = vapourstrength(inputs.stillstrength.Fraction());
  runtime::CheckFloatFaults(stillvapourstrength);
  stillvapour = VapourFlow(stillvapourstrength);
  stillethanol = stillvapourstrength * stillvapour;

  // Halving corrections of the top strength, starting half the first step
  // width above the still's vapour; the steps add up to less than that, so
  // the top never falls below the still's vapour.
  long double previous = stillvapourstrength + kFirstStepWidth / 2.0L;
  SetTopStrength(previous);
  // The width over 2^(k+1): halving a power-of-two multiple is exact, so the
  // running halving gives the bits of the division.
  long double step = kFirstStepWidth / 2.0L;
  const MarchStarts starts{stillvapourstrength,
                           repeats == Repeats::kSkip ? VapourFlow(vapourstrength(kLiquidCap)) : 0};
  // The corrections shrink, so once estimates have failed to tell the side
  // twice running, the later ones, which need to tell ever closer sides, are
  // not tried.
  int undecided = repeats == Repeats::kSkip ? 0 : 2;
  for (int k = 1; k <= kCorrections; ++k) {
    step /= 2.0L;
    const int side = undecided < 2 ? EstimateTopSide(starts, previous) : 0;
    undecided = side != 0 ? 0 : undecided + 1;
    long double next = previous + side * step;
    if (side == 0) {
      const long double top = MarchToTop(stillvapourstrength, repeats);
      runtime::CheckFloatFaults(top);
      next = top;
      if (top > previous) {
        next = previous + step;
      } else if (top < previous) {
        next = previous - step;
      }
    }
    SetTopStrength(next);
    // The march depends on nothing but the top strength. When that no longer
    // moves, either the march met it exactly or the step was lost in rounding,
    // and every later, smaller step is lost as well.
    if (repeats == Repeats::kSkip && next == previous) break;
    previous = next;
  }

  MarchProfile();
  const int traycount = inputs.traycount;
  if (traycount >= 1 && std::fabs(trayvapour[traycount] - topstrength) > kTopTolerance) {
    topdownsolved = true;
    SolveTopDown(repeats);
  }
}

// The residual of the bisection for a tray at strength `trial`: the ethanol
// in the vapour leaving the tray less that of the liquid coming down onto it
// (strength `above`) and of the product.
//
// Only the residual's sign steers the bisection, and only the last step's
// flow is kept. Far from the root the sign is plain from the estimated heat:
// the residual is linear in the flow, so the estimate moves it by at most the
// flow's error times |vapour - above|, and each of the two evaluations rounds
// by less than 2^-61 of the sum of its terms' magnitudes. A residual beyond
// both, with a wide margin, has the sign the exact heat gives it; near the
// root the exact heat decides. Estimates are remembered as well as exact
// properties, so the steps that trays and nearby columns share cost nothing.
TColumn::TrialResult TColumn::TryTrayStrength(long double trial, long double above,
                                              Repeats repeats) const {
  const auto residualof = [&](long double traytop, long double vapour) {
    return traytop * vapour - (vapour - product) * above - product * topstrength;
  };
  if (repeats == Repeats::kCompute) {
    const long double traytop = vapourstrength(trial);
    const long double vapour = VapourFlow(traytop);
    return {residualof(traytop, vapour), vapour, false};
  }
  // The trial strengths stay strictly between 0 and 1, where nothing faults.
  const LiquidVapour* known = LiquidMemo::Find(trial);
  LiquidVapour properties{};
  if (known) {
    properties = *known;
  } else {
    const long double traytop = vapourstrength(trial);
    properties = {traytop, heatofvaporizationestimate(traytop), false};
  }
  if (!properties.exact) {
    const long double vapour = VapourFlowForHeat(properties.heat);
    const long double residual = residualof(properties.vapour, vapour);
    const long double flowerror = std::fabs(vapour) * (2.0L * kHeatEstimateError);
    const long double terms = std::fabs(properties.vapour * vapour) +
                              std::fabs((vapour - product) * above) +
                              std::fabs(product * topstrength);
    const long double bound =
        flowerror * std::fabs(properties.vapour - above) + terms * 0x1p-56L;
    if (std::fabs(residual) > bound) {
      if (!known) LiquidMemo::Remember(trial, properties);
      return {residual, vapour, true};
    }
    properties = {properties.vapour, heatofvaporization(properties.vapour), true};
    LiquidMemo::Remember(trial, properties);
  }
  const long double vapour = VapourFlowForHeat(properties.heat);
  return {residualof(properties.vapour, vapour), vapour, false};
}

// Bisects for the liquid whose vapour carries the ethanol of the liquid
// coming down onto the tray (strength `above`) plus that of the product.
TColumn::TraySolution TColumn::SolveTray(long double above, Repeats repeats) const {
  TraySolution solution{0.5L, 0.0L};
  TrialResult last{};
  long double lasttrial = solution.strength;
  long double step = 0.5L;  // 1 / 2^(m+1), halved exactly
  for (int m = 1; m <= kBisectionSteps; ++m) {
    step /= 2.0L;
    lasttrial = solution.strength;
    last = TryTrayStrength(lasttrial, above, repeats);
    long double next = solution.strength;
    if (last.residual > 0.0L) {
      next = solution.strength - step;
    } else if (last.residual < 0.0L) {
      next = solution.strength + step;
    }
    // An unmoved strength stays unmoved under the smaller steps, and so does
    // the flow computed from it.
    if (repeats == Repeats::kSkip && next == solution.strength) break;
    solution.strength = next;
  }
  // The flow kept is the last step's, and it must be exact.
  solution.vapour =
      last.estimated ? VapourFlowForHeat(LiquidMemo::Of(lasttrial).heat) : last.vapour;
  return solution;
}

// From the top tray down, each tray solved under the liquid of the tray above
// (the reflux, of the top strength, for the top tray). The return is the flow
// of the last bisection step, computed before that step's move.
void TColumn::SolveTopDown(Repeats repeats) {
  const int traycount = CheckedTrayCount(inputs.traycount);
  long double above = topstrength;
  for (int tray = traycount; tray >= 1; --tray) {
    const TraySolution solution = SolveTray(above, repeats);
    trayreturn[tray] = solution.vapour - product;
    trayliquid[tray] = solution.strength;
    trayvapour[tray] = vapourstrength(solution.strength);
    traytemperature[tray] = temperature(trayvapour[tray]);
    // A tray holding the liquid it receives hands the same liquid on: every
    // tray below it is solved the same way.
    if (repeats == Repeats::kSkip && solution.strength == above) {
      for (int lower = tray - 1; lower >= 1; --lower) {
        trayreturn[lower] = trayreturn[tray];
        trayliquid[lower] = trayliquid[tray];
        trayvapour[lower] = trayvapour[tray];
        traytemperature[lower] = traytemperature[tray];
      }
      break;
    }
    above = solution.strength;
  }
}

ColumnResult TColumn::Result() const {
  ColumnResult result{inputs,  stillvapour,   stillethanol, Strength::FromFraction(topstrength),
                      product, productethanol, topdownsolved, {}};
  result.trays.reserve(static_cast<std::size_t>(std::max(0, inputs.traycount)));
  for (int tray = 1; tray <= inputs.traycount; ++tray) {
    result.trays.push_back({trayreturn[tray], Strength::FromFraction(trayliquid[tray]),
                            Strength::FromFraction(trayvapour[tray]), traytemperature[tray]});
  }
  return result;
}

ColumnResult Calculate(const ColumnInputs& inputs, Repeats repeats) {
  TColumn column;
  column.Calculate(inputs, repeats);
  return column.Result();
}

}  // namespace model
