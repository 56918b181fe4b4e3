#include "analysis/studyrun.h"

#include <gtest/gtest.h>

#include <cstring>

namespace analysis {
namespace {

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// Several columns calculating at once must not disturb one another: shared
// state in the model or a floating-point flag seen by the wrong thread would
// change bits. Tray counts on both sides of the top-down solution.
TEST(RunStudy, EachPointIsTheBitsOfAnOrdinaryCalculationOnAnyNumberOfThreads) {
  const Study study{700, model::Strength::FromFraction(0.03L), {1, 7, 20, 100}, {0.1L, 1.9L, 4}};
  for (const int threads : {1, 3}) {
    TWorkers workers(threads);
    const std::vector<StudyLine> lines = RunStudy(study, workers);
    ASSERT_EQ(lines.size(), 4U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(lines[i].traycount, study.traycounts[i]);
      ASSERT_EQ(lines[i].points.size(), 4U);
      for (int k = 0; k < 4; ++k) {
        const StudyPoint& point = lines[i].points[k];
        const long double ratio = RefluxRatioAt(study.reflux, k);
        const model::ColumnResult direct = model::Calculate(
            {700, study.stillstrength, lines[i].traycount, model::RefluxRatio::FromRatio(ratio)});
        EXPECT_EQ(point.refluxratio, ratio);
        EXPECT_TRUE(SameBits(point.toppercent, direct.topstrength.Percent())) << threads << ' ' << i;
        EXPECT_TRUE(SameBits(point.product, direct.product)) << threads << ' ' << i;
        EXPECT_TRUE(SameBits(point.efficiencypercent, direct.EthanolEfficiencyPercent()));
      }
    }
  }
}

}  // namespace
}  // namespace analysis
