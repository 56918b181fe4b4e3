#pragma once

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

}  // namespace model
