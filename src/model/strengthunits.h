#pragma once

#include <string>

// Ethanol strength in the units people read it in: per cent by mass (the
// model's own unit), per cent by volume at 20 °C, per cent by mole, and the
// density of the mixture at 20 °C. Fractions inside, like the model.

namespace model {

inline constexpr long double kEthanolMolarMass = 46.068L;  // g/mol
inline constexpr long double kWaterMolarMass = 18.015L;    // g/mol

// Density at 20 °C, kg/m³, of a mixture of mass fraction `mass` (0..1).
long double densityat20(long double mass);
// The volume at 20 °C, in litres, of `kg` of a mixture at `masspercent`.
long double litresat20(long double kg, long double masspercent);
// The ends of that density: pure water and pure ethanol.
long double waterdensityat20();
long double ethanoldensityat20();

// The conversions take fractions of 0..1 and throw EStrengthRangeError for
// any other.
// Volume fraction at 20 °C: the volume the mixture's ethanol takes alone,
// over the mixture's volume, both at 20 °C.
long double volumefrommass(long double mass);
long double massfromvolume(long double volume);
long double molefrommass(long double mass);
long double massfrommole(long double mole);
// Mass fraction of the mixture with this density at 20 °C.
long double massfromdensity(long double density);

enum class StrengthUnit { kMass, kVolume, kMole, kDensity };

// One strength in all four units: per cent for the first three, kg/m³.
struct Strengths {
  long double masspercent = 0;
  long double volumepercent = 0;
  long double molepercent = 0;
  long double density = 0;
};

// A strength in per cent by mass, as the model computes it, in `unit`.
// A strength outside 0..100 % (the bottom-up march can leave a tray's liquid
// below 0) has no share by volume or by mole: it is shown at the nearer
// end; by mass it stays as it is.
long double StrengthIn(long double masspercent, StrengthUnit unit);

// All four from one value in `unit` (per cent, or kg/m³ for the density).
// A value outside 0..100 %, or a density no mixture has at 20 °C, throws
// EStrengthRangeError with a message that names the range.
Strengths StrengthsFrom(long double value, StrengthUnit unit);

}  // namespace model
