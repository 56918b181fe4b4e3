#include "model/column.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "model/properties.h"
#include "runtime/errors.h"
#include "runtime/fpstatus.h"
#include "shown.h"
#include "varied_inputs.h"

namespace {

using namespace model;

// Inputs as typed: power W, still strength %, trays, reflux ratio.
ColumnInputs Typed(int power, long double percent, int trays, long double reflux) {
  return {power, percent / 100.0L, trays, reflux + 1.0L};
}

// The results as the report shows them (Vs, Es, xD %, D, reflux, efficiency
// %, whether solved top-down) as far as `shown` gives them, or the first
// fault's message. A fault left over from before must not count.
std::string Outcome(const ColumnInputs& inputs, const std::string& shown) {
  volatile long double zero = 0.0L;
  runtime::Settle(1.0L / zero);
  TColumn c;
  try {
    c.Calculate(inputs);
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return ShownAs(shown, {c.stillvapour, c.stillethanol, c.topstrength * 100, c.product,
                         c.product * c.inputs.refluxplusone - c.product,
                         c.productethanol / c.stillethanol * 100, 1.0L * c.topdownsolved});
}

TEST(Column, GivesTheTabulatedResultsOrTheFirstFault) {
  const std::pair<ColumnInputs, const char*> cases[] = {
      {Typed(1000, 1, 20, 15), "1809.94 170.93 75.9624 203.88 3058.22 90.60 1"},
      {Typed(1000, 20, 15, 1), "2889.94 1883.88 88.2114 1914.46 1914.46 89.64 0"},
      {Typed(1000, 10, 5, 2), "2541.48 1328.47 87.7343 1267.56 2535.13 83.71 0"},
      {Typed(500, 40, 10, 3), "1595.63 1182.43 93.6639 519.88 1559.65 41.18 0"},
      {Typed(1000, 20, 5, 0), "2889.94 1883.88 65.19 2889.94 0.00 100.0 1"},
      {Typed(0, 1, 20, 15), "0.00 0.00"},  // runs to the end; the report owns the 0 / 0
      // 3600·P beyond 32 bits: the flows at 1000 W times P / 1000.
      {Typed(596524, 1, 20, 15), "1079672.40 101966.18 75.9624 121620.19"},
      {Typed(INT32_MAX, 1, 20, 15), "3886815661 367077762 75.9624 437832116"},
      // The profile's full size; the top trays match those of 20 trays.
      {Typed(1000, 1, 100, 15), "1809.94 170.93 75.9624 203.88 3058.22 90.60 1"},
      {Typed(1000, 20, 100, 1), "2889.94 1883.88 88.2117 1914.47 1914.47 89.64 1"},
      // No trays: the top is the still's vapour.
      {Typed(1000, 10, 0, 2), "2541.48 1328.47 52.2715"},
      {Typed(1000, 1, 20, -1), "Floating point division by zero"},
      {Typed(0, 1, 20, -1), "Invalid floating point operation"},
      {Typed(1000, 1e830L, 20, 15), "Floating point overflow"},
      {Typed(1000, -1e830L, 20, 15), "Floating point overflow"},
      // A product far above any vapour drives the profile's liquid out of range.
      {ColumnInputs{1000, 0.01L, 20, 1e-4000L}, "Floating point overflow"},
      // Refused before the reflux ratio can fault.
      {Typed(1000, 20, 101, -1), "Кол-во тарелок не может быть больше 100"},
      {Typed(1000, 20, INT32_MAX, -1), "Кол-во тарелок не может быть больше 100"}};
  for (const auto& [inputs, shown] : cases) EXPECT_EQ(Outcome(inputs, shown), shown);
}

TEST(Column, GivesTheTabulatedProfiles) {
  // Trays `first` to `last`: liquid %, vapour %, temperature, liquid returned.
  const std::tuple<ColumnInputs, int, int, const char*> cases[] = {
      {Typed(1000, 1, 20, 15), 1, 14, "1.00 9.44 99.3"},
      {Typed(1000, 1, 20, 15), 19, 19, "8.50 48.56"},
      {Typed(1000, 1, 20, 15), 20, 20, "46.08 75.96 82.5 3058.22"},
      {Typed(1000, 20, 15, 1), 1, 1, "20.00 65.19 86.57 975.48"},
      {Typed(1000, 20, 15, 1), 15, 15, "84.19 88.21 78.70 1809.42"},
      {Typed(1000, 20, 5, 0), 1, 5, "20.00 65.19 86.57 0"},
      {Typed(1000, 1, 100, 15), 1, 50, "1.00 9.44 99.25 1606.06"},
      {Typed(1000, 1, 100, 15), 99, 99, "8.50 48.56 91.79 2252.27"},
      {Typed(1000, 1, 100, 15), 100, 100, "46.08 75.96 82.54 3058.22"},
      {Typed(1000, 20, 100, 1), 1, 50, "20.00 65.19 86.57 975.47"},
      {Typed(1000, 20, 100, 1), 100, 100, "84.19 88.21 78.70 1914.47"}};
  for (const auto& [inputs, first, last, tray] : cases) {
    TColumn c;
    c.Calculate(inputs);
    for (int i = first; i <= last; ++i) {
      const long double liquid = c.trayliquid[i] * 100, vapour = c.trayvapour[i] * 100;
      EXPECT_EQ(ShownAs(tray, {liquid, vapour, c.traytemperature[i], c.trayreturn[i]}), tray) << i;
    }
  }
}

TEST(Column, SolvesTopDownOnlyWhenTheTopMissesByMoreThanTheTolerance) {
  // The bottom-up profiles of these columns miss the solved top strength by
  // 0.000511, 0.000653 (one tray) and 0.000491. The top tray shows liquid %,
  // vapour %, temperature and return, then whether the top-down solution ran.
  const std::pair<ColumnInputs, const char*> cases[] = {
      {Typed(1000, 1, 10, 0.25L), "1.23 11.41 99.04 366.90 1"},
      {Typed(1000, 18.9L, 1, 2), "55.44 78.04 81.70 2229.29 1"},
      {Typed(1000, 44.1L, 10, 0.5L), "78.15 85.16 79.25 1115.33 0"}};
  for (const auto& [inputs, shown] : cases) {
    TColumn c;
    c.Calculate(inputs);
    const int top = inputs.traycount;
    EXPECT_EQ(ShownAs(shown, {c.trayliquid[top] * 100, c.trayvapour[top] * 100,
                              c.traytemperature[top], c.trayreturn[top], 1.0L * c.topdownsolved}),
              shown);
  }
  // The profile left standing is the bottom-up one, just inside the tolerance.
  TColumn inside;
  inside.Calculate(Typed(1000, 44.1L, 10, 0.5L));
  EXPECT_EQ(ShownAs("0.000000", {inside.trayvapour[10] - inside.topstrength}), "-0.000491");
}

// The results' significant bytes, ten of each value: the padding is no part of it.
std::string Bits(const TColumn& c) {
  std::string bits(1, c.topdownsolved ? 'T' : 'B');
  const auto add = [&bits](long double v) { bits.append(reinterpret_cast<char*>(&v), 10); };
  for (auto v : {c.stillvapour, c.stillethanol, c.topstrength, c.product, c.productethanol}) add(v);
  for (int i = 1; i <= c.inputs.traycount; ++i) {
    for (auto v : {c.trayreturn[i], c.trayliquid[i], c.trayvapour[i], c.traytemperature[i]}) add(v);
  }
  return bits;
}

TEST(Repeats, SkippingThemGivesTheBitsOfComputingEveryStep) {
  std::mt19937 rng(20240607);
  const auto pick = [&rng](const std::vector<long double>& v) { return v[rng() % v.size()]; };
  for (int i = 0; i < 300; ++i) {
    // Every other case takes strength and reflux off the grid. The sample
    // solves some sixty profiles top-down, and in some two dozen columns
    // without trays a correction meets the top vapour exactly.
    const ColumnInputs inputs = Typed(
        pick({0, 1, 250, 1000, 3000, 2000000}),
        i % 2 ? pick({-5, 0, 0.01, 1, 10, 20, 33.74, 50, 80, 95.58, 99}) : rng() % 10000 / 100.0L,
        pick({INT32_MIN, -2, 0, 1, 2, 3, 5, 8, 15, 20, 40, 100}),
        i % 2 ? pick({0, 0.25, 1, 2, 3, 15, 100}) : rng() % 2000 / 100.0L);
    TColumn fast, full;
    fast.Calculate(inputs, Repeats::kSkip);
    full.Calculate(inputs, Repeats::kCompute);
    EXPECT_TRUE(Bits(fast) == Bits(full)) << "case " << i;
    EXPECT_GE(full.topstrength, vapourstrength(inputs.stillstrength)) << "case " << i;
  }
}

TEST(Repeats, ColumnsAfterOneAnotherGiveTheBitsOfComputingEveryStep) {
  // A batch run's calculations: one column after another at slowly falling
  // still strengths, which find the strengths of the earlier columns
  // remembered and many corrections decided by estimates.
  const ColumnInputs starts[] = {Typed(1000, 10, 20, 15), Typed(2000, 3, 20, 3),
                                 Typed(1000, 0.5L, 20, 15), Typed(1500, 40, 12, 2)};
  TColumn fast;
  for (ColumnInputs inputs : starts) {
    for (int i = 0; i < 6; ++i) {
      TColumn full;
      fast.Calculate(inputs, Repeats::kSkip);
      full.Calculate(inputs, Repeats::kCompute);
      EXPECT_TRUE(Bits(fast) == Bits(full)) << double(inputs.stillstrength);
      inputs.stillstrength *= 0.9995L;
    }
  }
}

constexpr std::uint64_t kRecordedBits[] = {
#include "recorded_bits.inc"
};

std::uint64_t Digest(const std::string& bits) {
  std::uint64_t digest = 14695981039346656037ULL;
  for (const unsigned char c : bits) digest = (digest ^ c) * 1099511628211ULL;
  return digest;
}

// The cases of `order` whose results differ from the recorded ones.
std::vector<int> Mismatches(const std::vector<ColumnInputs>& inputs, const std::vector<int>& order) {
  std::vector<int> mismatches;
  TColumn c;
  for (const int i : order) {
    c.Calculate(inputs[i]);
    if (Digest(Bits(c)) != kRecordedBits[i]) mismatches.push_back(i);
  }
  return mismatches;
}

TEST(Column, GivesTheRecordedBitsInAnyOrderOnSeveralThreads) {
  const std::vector<ColumnInputs> inputs = VariedInputs(std::size(kRecordedBits));
  std::vector<int> forward(inputs.size()), backward, interleaved;
  for (int i = 0; i < static_cast<int>(inputs.size()); ++i) forward[i] = i;
  backward.assign(forward.rbegin(), forward.rend());
  for (int start = 0; start < 7; ++start) {
    for (int i = start; i < static_cast<int>(inputs.size()); i += 7) interleaved.push_back(i);
  }
  // Each thread remembers strengths of its own earlier columns; the orders
  // differ so that no thread's memory matches another's.
  std::vector<int> fromforward, frombackward, frominterleaved;
  std::thread second([&] { frombackward = Mismatches(inputs, backward); });
  std::thread third([&] { frominterleaved = Mismatches(inputs, interleaved); });
  fromforward = Mismatches(inputs, forward);
  second.join();
  third.join();
  EXPECT_EQ(fromforward, std::vector<int>{});
  EXPECT_EQ(frombackward, std::vector<int>{});
  EXPECT_EQ(frominterleaved, std::vector<int>{});
}

}  // namespace
