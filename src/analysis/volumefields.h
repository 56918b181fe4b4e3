#pragma once

#include <string>

namespace analysis {

// CSV fields that give a strength by mass in the units a distiller reads.

// Per cent by volume at 20 °C of `masspercent`, in the shortest text; empty
// for a strength outside 0..100 %, which no mixture has.
std::string VolumePercentField(long double masspercent);

// The volume at 20 °C, in litres, of `kg` of a mixture at `masspercent`;
// empty where the strength has no volume share.
std::string LitresField(long double kg, long double masspercent);

}  // namespace analysis
