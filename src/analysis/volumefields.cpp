#include "analysis/volumefields.h"

#include "analysis/csv.h"
#include "model/quantities.h"
#include "model/strengthunits.h"

namespace analysis {
namespace {

bool HasVolumeShare(long double masspercent) { return masspercent >= 0 && masspercent <= 100; }

}  // namespace

std::string VolumePercentField(long double masspercent) {
  if (!HasVolumeShare(masspercent)) return {};
  return ShortestText(model::volumefrommass(model::Strength::FromPercent(masspercent).Fraction()) * 100);
}

std::string LitresField(long double kg, long double masspercent) {
  if (!HasVolumeShare(masspercent)) return {};
  return ShortestText(model::litresat20(kg, masspercent));
}

}  // namespace analysis
