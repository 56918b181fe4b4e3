#pragma once

#include <array>

// Ethanol-water properties. Strengths are mass fractions of ethanol
// (0 = water, 1 = ethanol), temperatures degrees Celsius, heats J/g.

namespace model {

// Strength of the vapour in equilibrium with a boiling liquid of strength x;
// never above the azeotrope 0.9558. Pure water (x of 0) gives 0.
long double vapourstrength(long double x);

// Tray temperature for a vapour of strength y.
long double temperature(long double y);

// Heats of vaporization of the pure liquids at a temperature t.
long double ethanolheat(long double t);
long double waterheat(long double t);

// Heat needed to produce one gram of vapour of strength y: the pure heats at
// temperature(y), mixed by mass fraction.
long double heatofvaporization(long double y);

// Which of vapourstrength's ranges x lies in, decided by the same tests:
// 0 at or below 0 and 5 from the azeotrope up, where the result is constant,
// 1 to 4 for the low fit, the two blends and the high fit; -1 outside -2..2.
int vapourrange(long double x);

// Bounds for reasoning about how far vapourstrength can move between two
// strengths of one range: its slope there stays below kVapourSlopes[range]
// (the largest, 10.147, at 0), and two evaluations in extended precision
// differ from the exact fits by less than kVapourRoundings[range] in all (a
// few dozen roundings of 2^-64 of the fits' terms, which add up to at most
// 40, 390, 4700 and 10300 in magnitude in the four ranges).
inline constexpr std::array<long double, 6> kVapourSlopes = {0.0L, 10.5L, 0.34L, 0.34L, 1.02L,
                                                             0.0L};
inline constexpr std::array<long double, 6> kVapourRoundings = {0.0L,   2e-16L, 2e-15L,
                                                                2.5e-14L, 5e-14L, 0.0L};

// The slope of heatofvaporization for vapour strengths from 0 to the
// azeotrope, on either side of temperature's switch at 0.8: below 1400 J/g
// (about 1383 at most).
inline constexpr long double kHeatSlope = 1400.0L;

// heatofvaporization(y) with the two powers taken in double precision:
// several times cheaper, and within kHeatEstimateError of it (relative) for
// vapour strengths from 0 to the azeotrope. Good for deciding a sign that
// the exact heat would decide the same way, never for a result.
long double heatofvaporizationestimate(long double y);
inline constexpr long double kHeatEstimateError = 1e-14L;

}  // namespace model
