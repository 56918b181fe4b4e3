#include <algorithm>
#include <cmath>

#include "model/columnsolver.h"
#include "model/properties.h"

// The correction of the top strength needs from each march only the side of
// the guess on which the march's top vapour lies. While the guess is still far
// off, that side is plain from a march with estimated heats, carried with a
// bound on how far each of its values can be from the exact march's. The
// bounds hold without any assumption about the inputs: a march whose bounds
// grow too wide, straddle a switch of the fits or of the liquid test, or meet
// a value that is not finite, decides nothing and the exact march runs.

namespace model {

namespace {

// Covers one rounding of 2^-64 in each of the two marches, with room.
constexpr long double kRounding = 0x1p-60L;
// Bounds wider than this decide nothing anyway.
constexpr long double kWidestBound = 1e-6L;

// The bound on a result computed from operands bound by `spread`: the
// operands' spread, plus a rounding on each side unless both marches held
// the very same operands and so computed the very same bits.
long double Spread(long double spread, long double magnitude) {
  return spread > 0.0L ? spread + std::fabs(magnitude) * kRounding : 0.0L;
}

}  // namespace

int TColumn::EstimateTopSide(const MarchStarts& starts, long double guess) const {
  long double vapour = stillvapour, vapourbound = 0.0L;
  long double ethanol = stillethanol, ethanolbound = 0.0L;
  long double top = starts.stillvapourstrength, topbound = 0.0L;
  for (int tray = 1; tray <= inputs.traycount; ++tray) {
    const long double liquid = vapour - product;
    const long double liquidbound = Spread(vapourbound, std::fabs(vapour) + std::fabs(product));
    const long double liquidethanol = ethanol - productethanol;
    const long double liquidethanolbound =
        Spread(ethanolbound, std::fabs(ethanol) + std::fabs(productethanol));
    long double strength = 0.0L, strengthbound = 0.0L;
    if (liquid - liquidbound > 0.0L) {
      // |Le'/L' - Le/L| <= (|Le' - Le| + |Le/L| |L' - L|) / (L - |L' - L|).
      strength = liquidethanol / liquid;
      strengthbound = Spread((liquidethanolbound + std::fabs(strength) * liquidbound) /
                                 (liquid - liquidbound) * (1.0L + kRounding),
                             strength);
    } else if (!(liquid + liquidbound <= 0.0L)) {
      return 0;  // the exact march may take either branch of the liquid test
    }
    // Both marches take no liquid as still liquid: 0 / 1, exactly 0.

    // The cap and the floor are monotone, so they map the interval of the
    // exact strength onto the interval between the clamped ends. The ends,
    // and the distances back to the clamped strength, are widened by more
    // than the roundings of their own sums.
    const auto clamp = [this](long double x) {
      if (x >= kLiquidCap) x = kLiquidCap;
      if (x < inputs.stillstrength.Fraction()) x = inputs.stillstrength.Fraction();
      return x;
    };
    const long double widened = Spread(strengthbound * (1.0L + kRounding), strength);
    const long double low = clamp(strength - widened);
    const long double high = clamp(strength + widened);
    strength = clamp(strength);
    strengthbound = std::max(high - strength, strength - low) * (1.0L + kRounding);
    if (!(strengthbound <= kWidestBound)) return 0;
    const int range = vapourrange(strength);
    if (range < 0 || vapourrange(low) != range || vapourrange(high) != range) return 0;

    top = vapourstrength(strength);
    topbound = 0.0L;
    if (strengthbound > 0.0L) {
      topbound = kVapourSlopes[range] * strengthbound + kVapourRoundings[range];
      // Doubled, the bound outweighs the rounding of the ends themselves.
      if ((top - 2.0L * topbound < 0.8L) != (top + 2.0L * topbound < 0.8L)) return 0;
    }

    long double nextvapour = 0.0L, nextvapourbound = 0.0L;
    if (strengthbound == 0.0L && strength == kLiquidCap) {
      nextvapour = starts.capvapour;
    } else if (strengthbound == 0.0L && strength == inputs.stillstrength.Fraction()) {
      nextvapour = stillvapour;  // the still's own vapour, computed the same way
    } else {
      // The estimate errs by kHeatEstimateError at the same strength, the
      // heat moves by kHeatSlope per unit of strength, and the divisions
      // round; the error relative to the smaller heat bounds the flow's,
      // widened for the second-order terms.
      const long double heat = heatofvaporizationestimate(top);
      const long double heaterror = heat * kHeatEstimateError + kHeatSlope * topbound;
      if (!(heaterror < heat / 2.0L)) return 0;
      nextvapour = VapourFlowForHeat(heat);
      const long double relative = heaterror / (heat - heaterror) + kRounding;
      nextvapourbound = std::fabs(nextvapour) * relative * 1.01L;
    }
    const long double nextethanol = top * nextvapour;
    const long double nextethanolbound =
        Spread(std::fabs(top) * nextvapourbound + std::fabs(nextvapour) * topbound +
                   nextvapourbound * topbound,
               nextethanol);
    if (!std::isfinite(nextvapour) || !std::isfinite(nextethanol) ||
        !(nextvapourbound <= kWidestBound * std::fabs(nextvapour) + kWidestBound)) {
      return 0;
    }
    // A tray that passes on exactly what it received makes every tray above
    // it the same, as in the exact march.
    if (vapourbound == 0.0L && ethanolbound == 0.0L && nextvapourbound == 0.0L &&
        nextethanolbound == 0.0L && nextvapour == vapour && nextethanol == ethanol) {
      break;
    }
    vapour = nextvapour;
    vapourbound = nextvapourbound;
    ethanol = nextethanol;
    ethanolbound = nextethanolbound;
  }
  if (top - topbound > guess) return 1;
  if (top + topbound < guess) return -1;
  return 0;
}

}  // namespace model
