#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "model/column.h"
#include "model/properties.h"
#include "numtext/numtext.h"
#include "runtime/errors.h"
#include "runtime/fpstatus.h"

namespace {

using namespace model;

// `values` as the report writes them, each with the decimals of the word of
// `shown` in its place, for as many values as `shown` has words: the tables
// of expected values give them that way.
// Twelve significant digits at most, alike on every x86-64 processor: they
// differ only in the last bits of extended exp and log (~1e-19 relative),
// which reach these values as at most ~1e-15.
std::string ShownAs(const std::string& shown, std::initializer_list<long double> values) {
  std::istringstream words(shown);
  std::string text, word;
  for (auto value = values.begin(); value != values.end() && words >> word; ++value) {
    for (char& c : word) c = c == '.' ? '.' : '0';
    // Appended piece by piece: GCC 12 at -O3 takes `"" + std::string` for
    // an overlapping copy and raises a false -Wrestrict.
    if (!text.empty()) text += ' ';
    text += numtext::FormatFloat(word, *value);
  }
  return text;
}

TEST(Properties, FollowTheTabulatedValuesInEveryBandOfTheFits) {
  // Liquid strength, its range (-1 beyond -2..2, where every fit is evaluated
  // and may overflow; 0 up to pure water; 1 the low fit, 2 and 3 the blends,
  // 4 the high fit; 5 the azeotrope and beyond) and vapour strength. Twelve
  // decimals tell a band's polynomial, blend factor or anchor from its
  // neighbours'; each switch value belongs to the band below it.
  const std::tuple<long double, int, const char*> vapours[] = {
      {std::nextafter(-2.0L, -3.0L), -1, "0"}, {-2.0L, 0, "0"}, {0.0L, 0, "0"},
      {0.001L, 1, "0.010163021356"}, {0.2L, 1, "0.651876240000"}, {0.3374L, 1, "0.726364"},
      {std::nextafter(0.3374L, 1.0L), 2, "0.725836"}, {0.45L, 2, "0.756643981142"},
      {0.5544L, 2, "0.780443"}, {std::nextafter(0.5544L, 1.0L), 3, "0.781177"},
      {0.6L, 3, "0.792830206947"},
      // Past the 0.7252 anchor the blend's correction changes sign.
      {0.7L, 3, "0.822915921749"}, {0.72535L, 3, "0.830586072785"}, {0.7254L, 3, "0.830602043"},
      {std::nextafter(0.7254L, 1.0L), 4, "0.830601970"}, {0.7255L, 4, "0.830633886238"},
      // The high fit alone, then capped where it passes the azeotrope.
      {0.85L, 4, "0.886788996719"}, {0.944L, 4, "0.954400081674"}, {0.946L, 4, "0.955800000000"},
      {std::nextafter(0.9558L, 0.0L), 4, "0.9558"}, {0.9558L, 5, "0.9558"}, {2.0L, 5, "0.9558"},
      {std::nextafter(2.0L, 3.0L), -1, "0.9558"}};
  for (const auto& [x, range, y] : vapours) {
    EXPECT_EQ(vapourrange(x), range) << double(x);
    EXPECT_EQ(ShownAs(y, {vapourstrength(x)}), y) << double(x);
  }
  EXPECT_EQ(vapourrange(std::nanl("")), -1);

  // Vapour strength: temperature, heat of vaporization, pure ethanol, pure water.
  const std::pair<long double, const char*> heats[] = {
      {0.0L, "100.0400 2116.98 745.79 2116.98"}, {0.79999L, "80.8934 1050.39 774.25 2154.88"},
      {0.8L, "80.6284 1050.78 774.62 2155.40"}};  // temperature steps down at 0.8
  for (const auto& [y, shown] : heats) {
    const long double t = temperature(y);
    EXPECT_EQ(ShownAs(shown, {t, heatofvaporization(y), ethanolheat(t), waterheat(t)}), shown);
  }
  // At 25 °C the pure heats are the reference heats.
  EXPECT_EQ(ShownAs("841.10 2264.75", {ethanolheat(25), waterheat(25)}), "841.10 2264.75");
}

// The bounds that let an estimate settle a comparison must hold everywhere:
// sampled densely, steps within a range stay below slope times width plus
// the rounding allowance, and the estimated heat stays far inside its error.
TEST(Properties, StayWithinTheBoundsTheEstimatesRelyOn) {
  for (int i = 0; i < 200000; ++i) {
    const long double x = 0.9558L * i / 200000;
    const long double exact = heatofvaporization(x);
    ASSERT_LE(std::fabs(heatofvaporizationestimate(x) - exact), exact * kHeatEstimateError / 50)
        << double(x);
    if ((x < 0.8L) == (x + 1e-5L < 0.8L)) {
      ASSERT_LE(std::fabs(heatofvaporization(x + 1e-5L) - exact), kHeatSlope * 1e-5L) << double(x);
    }
    for (const long double next : {x + 1e-9L, x + 1e-6L, x + 3e-4L}) {
      const int range = vapourrange(x);
      if (vapourrange(next) != range) continue;
      const long double moved = std::fabs(vapourstrength(next) - vapourstrength(x));
      ASSERT_LE(moved, kVapourSlopes[range] * (next - x) + kVapourRoundings[range]) << double(x);
    }
  }
}

// Inputs as typed: power W, still strength %, trays, reflux ratio.
ColumnInputs Typed(int power, long double percent, int trays, long double reflux) {
  return {power, Strength::FromPercent(percent), trays, RefluxRatio::FromRatio(reflux)};
}

// The results as the report shows them (Vs, Es, xD %, D, reflux, efficiency
// %, whether solved top-down) or, for a tray from 1 up, the tray's (liquid %,
// vapour %, temperature, liquid returned, whether solved top-down), as far as
// `shown` gives them; or the first fault's message. A fault left over from
// before must not count.
std::string Outcome(const ColumnInputs& inputs, int tray, const std::string& shown) {
  volatile long double zero = 0.0L;
  runtime::Settle(1.0L / zero);
  ColumnResult c;
  try {
    c = Calculate(inputs);
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  if (tray > 0) {
    const TrayState& t = c.Tray(tray);
    return ShownAs(shown, {t.liquid.Percent(), t.vapour.Percent(), t.temperature, t.returnflow,
                           1.0L * c.topdownsolved});
  }
  return ShownAs(shown, {c.stillvapour, c.stillethanol, c.topstrength.Percent(), c.product,
                         c.inputs.reflux.RefluxFor(c.product), c.EthanolEfficiencyPercent(),
                         1.0L * c.topdownsolved});
}

// Trays `first` to `last` of a column, or its results for tray 0.
TEST(Column, GivesTheTabulatedResultsAndProfilesOrTheFirstFault) {
  const std::tuple<ColumnInputs, int, int, const char*> cases[] = {
      {Typed(1000, 20, 15, 1), 0, 0, "2889.94 1883.88 88.2114 1914.46 1914.46 89.64 0"},
      {Typed(1000, 20, 15, 1), 15, 15, "84.19 88.21 78.70 1809.42 0"},
      {Typed(500, 40, 10, 3), 0, 0, "1595.63 1182.43 93.6639 519.88 1559.65 41.18 0"},
      {Typed(1000, 20, 5, 0), 0, 0, "2889.94 1883.88 65.19 2889.94 0.00 100.0 1"},
      {Typed(1000, 20, 5, 0), 1, 5, "20.00 65.19 86.57 0 1"},
      {Typed(0, 1, 20, 15), 0, 0, "0.00 0.00"},  // runs to the end; the report owns the 0 / 0
      // The profile's full size; the top trays match those of 20 trays.
      {Typed(1000, 1, 100, 15), 0, 0, "1809.94 170.93 75.9624 203.88 3058.22 90.60 1"},
      {Typed(1000, 1, 100, 15), 1, 50, "1.00 9.44 99.25 1606.06"},
      {Typed(1000, 1, 100, 15), 100, 100, "46.08 75.96 82.54 3058.22"},
      {Typed(1000, 20, 100, 1), 0, 0, "2889.94 1883.88 88.2117 1914.47 1914.47 89.64 1"},
      // 3600·P beyond 32 bits: the flows at 1000 W times P / 1000.
      {Typed(596524, 1, 20, 15), 0, 0, "1079672.40 101966.18 75.9624 121620.19"},
      {Typed(1000, 10, 0, 2), 0, 0, "2541.48 1328.47 52.2715"},  // no trays: the still's vapour
      // Bottom-up profiles that miss the solved top strength by 0.000511,
      // 0.000653 (one tray) and 0.000491: solved top-down beyond 0.0005.
      {Typed(1000, 1, 10, 0.25L), 10, 10, "1.23 11.41 99.04 366.90 1"},
      {Typed(1000, 18.9L, 1, 2), 1, 1, "55.44 78.04 81.70 2229.29 1"},
      {Typed(1000, 44.1L, 10, 0.5L), 10, 10, "78.15 85.16 79.25 1115.33 0"},
      {Typed(1000, 1, 20, -1), 0, 0, "Floating point division by zero"},
      {Typed(0, 1, 20, -1), 0, 0, "Invalid floating point operation"},
      {Typed(1000, 1e830L, 20, 15), 0, 0, "Floating point overflow"},
      {Typed(1000, -1e830L, 20, 15), 0, 0, "Floating point overflow"},
      // A product far above any vapour drives the profile's liquid out of range.
      {ColumnInputs{1000, Strength::FromFraction(0.01L), 20, RefluxRatio::FromPlusOne(1e-4000L)}, 0, 0,
       "Floating point overflow"},
      // Refused before the reflux ratio can fault.
      {Typed(1000, 20, 101, -1), 0, 0, "Кол-во тарелок не может быть больше 100"}};
  for (const auto& [inputs, first, last, shown] : cases) {
    for (int i = first; i <= last; ++i) EXPECT_EQ(Outcome(inputs, i, shown), shown) << i;
  }
}

// Column inputs spread over what a user or a batch run can type: powers from
// 0 to beyond 32-bit heat flows, still strengths from below 0 to above the
// azeotrope and densely in the low range a batch run passes through, 0 to 100
// trays and reflux ratios from 0 to 100, every other case off the grid. Then
// runs of columns at slowly falling still strengths, as a batch run makes
// them, which find earlier strengths remembered and many corrections decided
// by estimates.
std::vector<ColumnInputs> VariedInputs() {
  std::mt19937 rng(20261206);
  const auto pick = [&rng](const std::vector<long double>& v) { return v[rng() % v.size()]; };
  std::vector<ColumnInputs> inputs;
  for (int i = 0; i < 400; ++i) {
    const auto power = static_cast<std::int32_t>(
        i % 2 ? pick({0, 1, 250, 1000, 1500, 2000, 3000, 2000000}) : 500 + rng() % 2500);
    long double percent = pick({-5, 0, 0.01, 0.1, 0.5, 1, 10, 20, 33.74, 50, 80, 95.58, 99});
    if (i % 2 == 0) percent = i % 4 ? rng() % 10000 / 100.0L : rng() % 100000 / 10000.0L;
    const auto trays =
        static_cast<std::int32_t>(pick({-2, 0, 1, 2, 3, 5, 8, 15, 20, 20, 20, 40, 100}));
    const long double reflux = i % 2 ? pick({0, 0.25, 1, 2, 3, 8, 15, 100}) : rng() % 2000 / 100.0L;
    inputs.push_back(Typed(power, percent, trays, reflux));
  }
  for (ColumnInputs run : {Typed(1000, 10, 20, 15), Typed(2000, 3, 20, 3),
                           Typed(1000, 0.5L, 20, 15), Typed(1500, 40, 12, 2)}) {
    for (int i = 0; i < 6; ++i, run.stillstrength = Strength::FromFraction(run.stillstrength.Fraction() * 0.9995L)) inputs.push_back(run);
  }
  return inputs;
}

// The results' significant bytes, ten of each value: the padding is no part of it.
std::string Bits(const ColumnResult& c) {
  std::string bits(1, c.topdownsolved ? 'T' : 'B');
  const auto add = [&bits](long double v) { bits.append(reinterpret_cast<char*>(&v), 10); };
  for (auto v : {c.stillvapour, c.stillethanol, c.topstrength.Fraction(), c.product, c.productethanol}) {
    add(v);
  }
  for (const TrayState& t : c.trays) {
    for (auto v : {t.returnflow, t.liquid.Fraction(), t.vapour.Fraction(), t.temperature}) add(v);
  }
  return bits;
}

// Bit identity is proved on the machine that runs the test, never against
// bits recorded on another processor.
TEST(Repeats, SkippingThemGivesTheBitsOfComputingEveryStepInAnyOrderOnSeveralThreads) {
  const std::vector<ColumnInputs> inputs = VariedInputs();
  std::vector<std::string> everystep;
  for (const ColumnInputs& in : inputs) {
    const ColumnResult full = Calculate(in, Repeats::kCompute);
    everystep.push_back(Bits(full));
    // The corrections start above the still's vapour and never fall below it.
    EXPECT_GE(full.topstrength.Fraction(), vapourstrength(in.stillstrength.Fraction()))
        << everystep.size() - 1;
  }
  // One thread each skips repeats forwards, backwards or in steps of 7
  // (prime to the count) through the cases, each with its own memory of
  // earlier columns: no thread's memory matches another's.
  ASSERT_NE(inputs.size() % 7, 0u);
  const auto mismatches = [&](std::size_t stride) {
    std::vector<std::size_t> cases;
    for (std::size_t k = 0, i = 0; k < inputs.size(); i = ++k * stride % inputs.size()) {
      if (Bits(Calculate(inputs[i], Repeats::kSkip)) != everystep[i]) cases.push_back(i);
    }
    return cases;
  };
  std::vector<std::size_t> missed[3];
  std::thread backward([&] { missed[1] = mismatches(inputs.size() - 1); });
  std::thread sevens([&] { missed[2] = mismatches(7); });
  missed[0] = mismatches(1);
  backward.join();
  sevens.join();
  for (const auto& cases : missed) EXPECT_EQ(cases, std::vector<std::size_t>{});
}

// A result holds its own trays and no more, whatever the thread calculated
// before it.
TEST(ColumnResult, HoldsItsOwnTrays) {
  const std::pair<ColumnInputs, bool> cases[] = {
      {Typed(1000, 1, 100, 15), true}, {Typed(1000, 20, 5, 0), true},
      {Typed(1000, 20, 15, 1), false}, {Typed(1000, 10, 0, 2), false},
      {Typed(1000, 10, -2, 2), false}};
  for (const auto& [inputs, topdown] : cases) {
    const ColumnResult result = Calculate(inputs);
    const auto traycount = static_cast<std::size_t>(std::max(0, inputs.traycount));
    EXPECT_EQ(result.trays.size(), traycount) << inputs.traycount;
    EXPECT_EQ(result.topdownsolved, topdown) << inputs.traycount;
  }
}

}  // namespace
