#include "analysis/batchtable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "analysis/csv.h"
#include "model/strengthunits.h"

namespace analysis {
namespace {

// Each cut ends where the top falls below its threshold, between the rows: as
// a run stopped by that threshold ends.
TEST(CutTable, EndsEachCutWhereTheTopFallsBelow) {
  const BatchInputs inputs{.chargepercent = 10, .stepminutes = 60, .stopstillpercent = 0};
  const BatchRun run = RunBatch(inputs);
  const std::vector<Cut> table = CutTable(run, 70);
  ASSERT_EQ(table.size(), 4u);
  const long double thresholds[] = {90, 80, 60, 70};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Cut& cut = table[i];
    EXPECT_EQ(cut.threshold_percent, thresholds[i]);
    EXPECT_FALSE(cut.heldtoend);
    BatchInputs stopped = inputs;
    stopped.stoptoppercent = thresholds[i];
    const BatchRow end = RunBatch(stopped).rows.back();
    EXPECT_LE(std::fabs(cut.time_h / end.time_h - 1), 1e-6L) << thresholds[i];
    EXPECT_LE(std::fabs(cut.product_kg / end.product_kg - 1), 1e-6L) << thresholds[i];
    EXPECT_LE(std::fabs(cut.product_mean_percent / end.product_mean_percent - 1), 1e-6L) << thresholds[i];
  }
  // A threshold the top never falls below takes the whole run; one above the
  // first top takes nothing.
  const Cut whole = CutAt(run, 0);
  EXPECT_TRUE(whole.heldtoend);
  EXPECT_EQ(whole.product_kg, run.rows.back().product_kg);
  EXPECT_EQ(CutAt(run, 99).product_kg, 0);
  EXPECT_EQ(CutAt(BatchRun{}, 90).product_kg, 0);
}

TEST(WriteBatchCsv, WritesTheHeaderAndShortestNumbers) {
  std::ostringstream out;
  WriteBatchCsv(out, {{0, 10, 20, 95.58L, 268.125L, 0, 0, 2, 0},
                      {1.0L / 60, 10, 20, 95.58L, 268.125L, 0.0044L, 94.5L, 2, 0.0042L}});
  // Strengths by volume and the product's litres at 20 °C come last.
  std::string volumes(",");
  volumes.append(ShortestText(model::volumefrommass(10.0L / 100) * 100))
      .append(",")
      .append(ShortestText(model::volumefrommass(95.58L / 100) * 100))
      .append(",");
  std::string expected(
      "time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,"
      "product_mean_percent,still_percent_by_volume,top_percent_by_volume,product_litres\r\n"
      "0,10,20,95.58,268.125,0,0");
  expected.append(volumes).append("0\r\n0.016666666666666666,10,20,95.58,268.125,0.0044,94.5").append(volumes);
  expected.append(ShortestText(0.0044L / model::densityat20(94.5L / 100) * 1000)).append("\r\n");
  EXPECT_EQ(out.str(), expected);
}

}  // namespace
}  // namespace analysis
