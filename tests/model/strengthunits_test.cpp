#include "model/strengthunits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "runtime/errors.h"

namespace {

using namespace model;

// Figures of the International Alcoholometric Tables at 20 °C, as printed
// there (two decimals): strength by volume against strength by mass, and
// the densities of water and ethanol.
TEST(StrengthUnits, FollowThePublishedTables) {
  const std::pair<long double, long double> volumeToMass[] = {
      {0, 0}, {10, 8.01L}, {40, 33.30L}, {50, 42.43L}, {96, 93.84L}, {100, 100}};
  for (const auto& [volume, mass] : volumeToMass) {
    EXPECT_NEAR(StrengthsFrom(volume, StrengthUnit::kVolume).masspercent, mass, 0.005L) << double(volume);
    EXPECT_NEAR(StrengthsFrom(mass, StrengthUnit::kMass).volumepercent, volume, 0.01L) << double(mass);
  }
  EXPECT_NEAR(StrengthsFrom(0, StrengthUnit::kMass).density, 998.20L, 0.005L);
  EXPECT_NEAR(StrengthsFrom(100, StrengthUnit::kMass).density, 789.24L, 0.005L);
  // The azeotrope lies between the tables' 97 and 98 % by volume.
  EXPECT_NEAR(StrengthsFrom(95.58L, StrengthUnit::kMass).volumepercent, 97.2L, 0.05L);
  // Mole per cent from the molar masses: 50 % by mass.
  EXPECT_NEAR(StrengthsFrom(50, StrengthUnit::kMass).molepercent, 28.1120L, 5e-5L);
  EXPECT_NEAR(StrengthsFrom(28.1120L, StrengthUnit::kMole).masspercent, 50, 1e-4L);
}

TEST(StrengthUnits, RoundTripsAreExactToTheLastDigits) {
  for (int i = 0; i <= 1000; ++i) {
    const long double mass = i / 1000.0L;
    ASSERT_NEAR(massfromvolume(volumefrommass(mass)), mass, 1e-12L) << i;
    ASSERT_NEAR(massfrommole(molefrommass(mass)), mass, 1e-12L) << i;
    ASSERT_NEAR(massfromdensity(densityat20(mass)), mass, 1e-12L) << i;
  }
}

TEST(StrengthUnits, RefuseWhatNoMixtureHas) {
  const std::pair<long double, StrengthUnit> refused[] = {
      {-0.01L, StrengthUnit::kMass},    {100.01L, StrengthUnit::kVolume},
      {NAN, StrengthUnit::kMole},       {789.0L, StrengthUnit::kDensity},
      {998.3L, StrengthUnit::kDensity}};
  for (const auto& [value, unit] : refused) {
    EXPECT_THROW(StrengthsFrom(value, unit), runtime::EStrengthRangeError) << double(value);
  }
}

}  // namespace
