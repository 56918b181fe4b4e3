#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "model/column.h"

// Column inputs spread over what a user or a batch run can type: powers from
// 0 to beyond 32-bit heat flows, still strengths from below 0 to above the
// azeotrope and densely in the low range a batch run passes through, 0 to 100
// trays and reflux ratios from 0 to 100; every other case off the grid.
inline std::vector<model::ColumnInputs> VariedInputs(int count) {
  std::mt19937 rng(20261206);
  const auto pick = [&rng](const std::vector<long double>& v) { return v[rng() % v.size()]; };
  std::vector<model::ColumnInputs> inputs;
  for (int i = 0; i < count; ++i) {
    const std::int32_t power = static_cast<std::int32_t>(
        i % 2 ? pick({0, 1, 250, 1000, 1500, 2000, 3000, 2000000}) : 500 + rng() % 2500);
    long double percent = pick({-5, 0, 0.01, 0.1, 0.5, 1, 10, 20, 33.74, 50, 80, 95.58, 99});
    if (i % 2 == 0) percent = i % 4 ? rng() % 10000 / 100.0L : rng() % 100000 / 10000.0L;
    const std::int32_t trays =
        static_cast<std::int32_t>(pick({-2, 0, 1, 2, 3, 5, 8, 15, 20, 20, 20, 40, 100}));
    const long double reflux =
        i % 2 ? pick({0, 0.25, 1, 2, 3, 8, 15, 100}) : rng() % 2000 / 100.0L;
    inputs.push_back({power, percent / 100.0L, trays, reflux + 1.0L});
  }
  return inputs;
}
