#include "analysis/batchtable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "analysis/csv.h"
#include "model/strengthunits.h"

namespace analysis {
namespace {

// Rows every half hour: top strength as given, 1 kg of product per half hour
// at that row's top strength.
std::vector<BatchRow> RowsWithTops(const std::vector<long double>& tops) {
  std::vector<BatchRow> rows;
  long double product = 0, ethanol = 0;
  for (std::size_t i = 0; i < tops.size(); ++i) {
    BatchRow row;
    row.time_h = 0.5L * i;
    row.top_percent = tops[i];
    row.product_kg = product;
    row.product_mean_percent = product > 0 ? ethanol / product * 100 : 0;
    rows.push_back(row);
    product += 1;
    ethanol += tops[i] / 100;
  }
  return rows;
}

TEST(CutTable, CollectsUntilTheTopFirstFallsBelowEachThreshold) {
  // The top recovers to 88 % at the end: the cut has ended by then.
  const std::vector<BatchRow> rows = RowsWithTops({95, 92, 85, 70, 50, 88});
  const std::vector<Cut> table = CutTable(rows, 99);
  ASSERT_EQ(table.size(), 4u);
  // Threshold, time, product, mean strength, held to the end.
  const std::tuple<long double, long double, long double, long double, bool> expected[] = {
      {90, 1.0L, 2, 93.5L, false},
      {80, 1.5L, 3, 90.66666666666667L, false},
      {60, 2.0L, 4, 85.5L, false},
      {99, 0, 0, 0, false}};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& [threshold, time, product, mean, held] = expected[i];
    EXPECT_EQ(table[i].threshold_percent, threshold);
    EXPECT_EQ(table[i].time_h, time) << threshold;
    EXPECT_EQ(table[i].product_kg, product) << threshold;
    EXPECT_NEAR(static_cast<double>(table[i].product_mean_percent), static_cast<double>(mean),
                1e-12)
        << threshold;
    EXPECT_EQ(table[i].heldtoend, held) << threshold;
  }
}

TEST(CutTable, AThresholdThatHoldsTakesTheWholeRun) {
  const Cut whole = CutAt(RowsWithTops({95, 92, 85, 70, 50, 88}), 50);
  EXPECT_TRUE(whole.heldtoend);
  EXPECT_EQ(whole.time_h, 2.5L);
  EXPECT_EQ(whole.product_kg, 5);
  // Exactly at the threshold still counts.
  EXPECT_TRUE(CutAt(RowsWithTops({60, 60}), 60).heldtoend);
  EXPECT_EQ(CutAt({}, 90).product_kg, 0);
}

TEST(WriteBatchCsv, WritesTheHeaderAndShortestNumbers) {
  BatchRow first;
  first.still_percent = 10;
  first.still_kg = 20;
  first.top_percent = 95.58L;
  first.product_g_per_h = 268.125L;
  BatchRow second = first;
  second.time_h = 1.0L / 60;
  second.product_kg = 0.0044L;
  second.product_mean_percent = 94.5L;
  std::ostringstream out;
  WriteBatchCsv(out, {first, second});
  // Strengths by volume and the product's litres at 20 °C come last.
  const std::string volumes = "," + ShortestText(model::volumefrommass(10.0L / 100) * 100) + "," +
                              ShortestText(model::volumefrommass(95.58L / 100) * 100) + ",";
  EXPECT_EQ(out.str(),
            "time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,"
            "product_mean_percent,still_percent_by_volume,top_percent_by_volume,product_litres\r\n"
            "0,10,20,95.58,268.125,0,0" + volumes + "0\r\n"
            "0.016666666666666666,10,20,95.58,268.125,0.0044,94.5" + volumes +
            ShortestText(0.0044L / model::densityat20(94.5L / 100) * 1000) + "\r\n");
}

}  // namespace
}  // namespace analysis
