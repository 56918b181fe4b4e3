#include "model/properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "shown.h"

namespace {

using namespace model;

TEST(Properties, FollowTheTabulatedValues) {
  const std::pair<long double, const char*> vapours[] = {
      {-0.1L, "0"}, {0.0L, "0"}, {0.0001L, "0.001104"}, {0.1L, "0.522715"}, {0.3374L, "0.726364"},
      {0.33741L, "0.725837"}, {0.5L, "0.769050"}, {0.5544L, "0.780443"}, {0.55441L, "0.781179"},
      // The azeotrope caps the last two.
      {0.8L, "0.860079"}, {0.9L, "0.918643"}, {0.95L, "0.95580000"}, {1.0L, "0.95580000"}};
  for (const auto& [x, y] : vapours) EXPECT_EQ(ShownAs(y, {vapourstrength(x)}), y) << double(x);
  for (int i = -10000; i <= 20000; ++i) ASSERT_LE(vapourstrength(i / 1e4L), 0.9558L) << i;

  // Vapour strength: temperature, heat of vaporization, pure ethanol, pure water.
  const std::pair<long double, const char*> heats[] = {
      {0.0L, "100.0400 2116.98 745.79 2116.98"}, {0.1L, "99.1940 1981.51 747.12 2118.66"},
      {0.5L, "91.3890 1446.60 759.07 2134.14"}, {0.79999L, "80.8934"},  // steps down at 0.8
      {0.8L, "80.6284 1050.78 774.62 2155.40"}, {0.9L, "78.4646 915.83 777.63 2159.67"},
      {1.0L, "78.3800 777.74 777.74 2159.83"}};
  for (const auto& [y, shown] : heats) {
    const long double t = temperature(y);
    EXPECT_EQ(ShownAs(shown, {t, heatofvaporization(y), ethanolheat(t), waterheat(t)}), shown);
  }
  // At 25 °C the pure heats are the reference heats.
  EXPECT_EQ(ShownAs("841.10 2264.75", {ethanolheat(25), waterheat(25)}), "841.10 2264.75");
}

TEST(Properties, VapourStrengthInsideEveryBandOfTheFits) {
  // Twelve decimals, from the fits' coefficients in exact arithmetic: enough
  // to tell a band's polynomial, blend factor or anchor from its neighbours'.
  const std::pair<long double, const char*> vapours[] = {
      // Low fit.
      {0.001L, "0.010163021356"}, {0.05L, "0.357040868906"}, {0.2L, "0.651876240000"},
      // Middle fit blended toward the low one.
      {0.45L, "0.756643981142"},
      // High fit blended toward the middle one; past the 0.7252 anchor the
      // correction changes sign.
      {0.6L, "0.792830206947"}, {0.65L, "0.808540436635"}, {0.7L, "0.822915921749"},
      {0.7253L, "0.830570106182"}, {0.72535L, "0.830586072785"},
      // High fit alone, then capped where it passes the azeotrope below it.
      {0.7255L, "0.830633886238"}, {0.85L, "0.886788996719"}, {0.944L, "0.954400081674"},
      {0.946L, "0.955800000000"}};
  for (const auto& [x, y] : vapours) EXPECT_EQ(ShownAs(y, {vapourstrength(x)}), y) << double(x);
}

TEST(Properties, VapourRangesSwitchWhereTheFitsDo) {
  // Each switch value belongs to the range below it, the azeotrope itself to
  // the constant range above.
  const std::pair<long double, int> edges[] = {
      {0.0L, 0}, {0.3374L, 1}, {0.5544L, 2}, {0.7254L, 3}};
  for (const auto& [x, range] : edges) {
    EXPECT_EQ(vapourrange(x), range) << double(x);
    EXPECT_EQ(vapourrange(std::nextafter(x, 3.0L)), range + 1) << double(x);
  }
  EXPECT_EQ(vapourrange(std::nextafter(0.9558L, 0.0L)), 4);
  EXPECT_EQ(vapourrange(0.9558L), 5);
  // Beyond -2 and 2 the fits are evaluated, and may overflow, whatever the range.
  EXPECT_EQ(vapourrange(-2.0L), 0);
  EXPECT_EQ(vapourrange(2.0L), 5);
  EXPECT_EQ(vapourrange(std::nextafter(-2.0L, -3.0L)), -1);
  EXPECT_EQ(vapourrange(std::nextafter(2.0L, 3.0L)), -1);
  EXPECT_EQ(vapourrange(std::nanl("")), -1);
}

// The bounds that let an estimate settle a comparison must hold everywhere:
// sampled densely, steps within a range stay below slope times width plus
// the rounding allowance, and the estimated heat stays far inside its error.
TEST(Properties, StayWithinTheBoundsTheEstimatesRelyOn) {
  for (int i = 1; i < 200000; ++i) {
    const long double x = 0.9558L * i / 200000;
    for (const long double width : {1e-9L, 1e-6L, 3e-4L}) {
      const long double next = x + width;
      const int range = vapourrange(x);
      if (vapourrange(next) != range) continue;
      const long double moved = std::fabs(vapourstrength(next) - vapourstrength(x));
      ASSERT_LE(moved, kVapourSlopes[range] * (next - x) + kVapourRoundings[range])
          << double(x) << " " << double(width);
    }
  }
  for (int i = 0; i < 200000; ++i) {
    const long double y = 0.9558L * i / 200000;
    const long double exact = heatofvaporization(y);
    ASSERT_LE(std::fabs(heatofvaporizationestimate(y) - exact), exact * kHeatEstimateError / 50)
        << double(y);
    const long double next = y + 1e-5L;
    if ((y < 0.8L) == (next < 0.8L)) {
      ASSERT_LE(std::fabs(heatofvaporization(next) - exact), kHeatSlope * 1e-5L) << double(y);
    }
  }
}

}  // namespace
