#include "model/strengthunits.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/quantities.h"
#include "runtime/errors.h"

namespace model {
namespace {

// Density of ethanol-water mixtures at 20 °C, kg/m³, as a polynomial in the
// mass fraction p: the A coefficients of the International Alcoholometric
// Tables, OIML R 22 (1975), also in EU Council Directive 76/766/EEC. At
// 20 °C their temperature terms vanish. Published, not fitted here.
constexpr std::array<long double, 12> kDensityAt20 = {
    9.982012300e2L,  -1.929769495e2L, 3.891238958e2L,  -1.668103923e3L,
    1.352215441e4L,  -8.829278388e4L, 3.062874042e5L,  -6.138381234e5L,
    7.470172998e5L,  -5.478461354e5L, 2.234460334e5L,  -3.903285426e4L};

void CheckFraction(long double fraction) {
  if (!(fraction >= 0 && fraction <= 1)) {
    throw runtime::EStrengthRangeError("Крепость должна быть от 0 до 100 процентов");
  }
}

// The mass fraction where the increasing function `of` of the mass fraction
// reaches `target`, by bisection of 0..1 until the ends are neighbours in
// extended precision: the conversions are monotone there, and bisection
// cannot leave the range.
template <class Increasing>
long double MassWhere(Increasing of, long double target) {
  long double low = 0;
  long double high = 1;
  while (true) {
    const long double middle = low + (high - low) / 2;
    if (middle <= low || middle >= high) break;
    (of(middle) < target ? low : high) = middle;
  }
  return low;
}

}  // namespace

long double densityat20(long double mass) {
  long double density = 0;
  for (auto a = kDensityAt20.rbegin(); a != kDensityAt20.rend(); ++a) density = density * mass + *a;
  return density;
}

long double litresat20(long double kg, long double masspercent) {
  return kg / densityat20(Strength::FromPercent(masspercent).Fraction()) * 1000;
}

long double waterdensityat20() { return densityat20(0); }
long double ethanoldensityat20() { return densityat20(1); }

long double volumefrommass(long double mass) {
  CheckFraction(mass);
  return mass * densityat20(mass) / ethanoldensityat20();
}

long double massfromvolume(long double volume) {
  CheckFraction(volume);
  return MassWhere([](long double mass) { return volumefrommass(mass); }, volume);
}

long double molefrommass(long double mass) {
  CheckFraction(mass);
  const long double ethanol = mass / kEthanolMolarMass;
  return ethanol / (ethanol + (1 - mass) / kWaterMolarMass);
}

long double massfrommole(long double mole) {
  CheckFraction(mole);
  const long double ethanol = mole * kEthanolMolarMass;
  return ethanol / (ethanol + (1 - mole) * kWaterMolarMass);
}

long double massfromdensity(long double density) {
  if (!(density >= ethanoldensityat20() && density <= waterdensityat20())) {
    throw runtime::EStrengthRangeError(
        "Плотность при 20 °C должна быть от 789 до 998 кг/м³: от этанола до воды");
  }
  // The density falls as the strength rises.
  return MassWhere([](long double mass) { return -densityat20(mass); }, -density);
}

long double StrengthIn(long double masspercent, StrengthUnit unit) {
  if (unit == StrengthUnit::kMass) return masspercent;
  const long double mass =
      std::clamp(Strength::FromPercent(masspercent).Fraction(), 0.0L, 1.0L);
  switch (unit) {
    case StrengthUnit::kMass: break;
    case StrengthUnit::kVolume: return volumefrommass(mass) * 100;
    case StrengthUnit::kMole: return molefrommass(mass) * 100;
    case StrengthUnit::kDensity: return densityat20(mass);
  }
  return masspercent;
}

Strengths StrengthsFrom(long double value, StrengthUnit unit) {
  long double mass = 0;
  switch (unit) {
    case StrengthUnit::kMass: mass = Strength::FromPercent(value).Fraction(); break;
    case StrengthUnit::kVolume: mass = massfromvolume(value / 100); break;
    case StrengthUnit::kMole: mass = massfrommole(value / 100); break;
    case StrengthUnit::kDensity: mass = massfromdensity(value); break;
  }
  CheckFraction(mass);
  return {Strength::FromFraction(mass).Percent(), volumefrommass(mass) * 100, molefrommass(mass) * 100, densityat20(mass)};
}

}  // namespace model
