#include "analysis/batchtable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace analysis {
namespace {

// Each cut ends where the top falls below its threshold, between the rows: as
// a run stopped by that threshold ends.
TEST(CutTable, EndsEachCutWhereTheTopFallsBelow) {
  BatchInputs inputs;
  inputs.chargepercent = 10;
  inputs.stepminutes = 60;
  inputs.stopstillpercent = 0;
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
    EXPECT_NEAR(static_cast<double>(cut.time_h), static_cast<double>(end.time_h), 1e-6 * end.time_h);
    EXPECT_NEAR(static_cast<double>(cut.product_kg), static_cast<double>(end.product_kg), 1e-6 * end.product_kg);
    EXPECT_NEAR(static_cast<double>(cut.product_mean_percent), static_cast<double>(end.product_mean_percent),
                1e-6 * end.product_mean_percent);
  }
  // A threshold the top never falls below takes the whole run; one above the
  // first top takes nothing.
  const Cut whole = CutAt(run, 0);
  EXPECT_TRUE(whole.heldtoend);
  EXPECT_EQ(whole.time_h, run.rows.back().time_h);
  EXPECT_EQ(whole.product_kg, run.rows.back().product_kg);
  const Cut none = CutAt(run, 99);
  EXPECT_EQ(none.time_h, 0);
  EXPECT_EQ(none.product_kg, 0);
  EXPECT_EQ(CutAt(BatchRun{}, 90).product_kg, 0);
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
  second.product_mean_percent = 95.58L;
  std::ostringstream out;
  WriteBatchCsv(out, {first, second});
  EXPECT_EQ(out.str(),
            "time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,"
            "product_mean_percent\r\n"
            "0,10,20,95.58,268.125,0,0\r\n"
            "0.016666666666666666,10,20,95.58,268.125,0.0044,95.58\r\n");
}

}  // namespace
}  // namespace analysis
