#include "analysis/studypool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>

namespace analysis {
namespace {

using namespace std::chrono_literals;

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// Several columns calculating at once must not disturb one another: shared
// state in the model or a floating-point flag seen by the wrong thread would
// change bits. Tray counts on both sides of the top-down solution.
TEST(RunStudy, EachPointIsTheBitsOfAnOrdinaryCalculationOnAnyNumberOfThreads) {
  const Study study{700, model::Strength::FromFraction(0.03L), {1, 7, 20, 100}, {0.1L, 1.9L, 4}};
  for (const int workers : {1, 3}) {
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
        EXPECT_TRUE(SameBits(point.toppercent, direct.topstrength.Percent())) << workers << ' ' << i;
        EXPECT_TRUE(SameBits(point.product, direct.product)) << workers << ' ' << i;
        EXPECT_TRUE(SameBits(point.efficiencypercent, direct.EthanolEfficiencyPercent()));
      }
    }
  }
}

// Counts what a pool reports; a report after `closed` was set is late.
struct Recorder {
  std::atomic<int> lines{0}, finished{0}, late{0};
  std::atomic<bool> closed{false};

  LineCallback OnLine() {
    return [this](int, const StudyLine&) { late += closed; ++lines; };
  }
  FinishedCallback OnFinished() { return [this] { late += closed; ++finished; }; }
  void WaitForALine() const { for (int ms = 0; ms < 30000 && !lines; ++ms) std::this_thread::sleep_for(1ms); }
};

// Many short lines, so that a worker is about to finish one whenever the
// study is cancelled, and a second or so of work in all, so that the test
// acts well before the pool is done even on a busy machine.
Study ManyLines() {
  Study study{1000, model::Strength::FromFraction(0.01L), {}, {0, 20, 2}};
  for (int trays = 1; trays <= 1000; ++trays) study.traycounts.push_back(trays % 100 + 1);
  return study;
}

// Once Cancel, a new Start or the destructor returns, the earlier request
// reports nothing more; a request run to its end reports each line once.
TEST(TStudyPool, NoCallbackOfACancelledReplacedOrClosedStudyAfterwards) {
  for (int round = 0; round < 6; ++round) {
    Recorder first;
    Recorder second;
    auto pool = std::make_unique<TStudyPool>(2);
    const std::uint64_t one = pool->Start(ManyLines(), first.OnLine(), first.OnFinished());
    first.WaitForALine();
    if (round % 3 == 0) pool->Cancel();
    if (round % 3 == 1) {
      EXPECT_EQ(pool->Start({1000, model::Strength::FromFraction(0.2L), {3, 4}, {0, 2, 3}}, second.OnLine(), second.OnFinished()), one + 1);
    }
    if (round % 3 == 2) pool.reset();
    first.closed = true;
    if (pool) pool->Wait();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(first.late, 0) << round;
    EXPECT_EQ(first.finished, 0);
    if (round % 3 != 1) continue;
    EXPECT_EQ(second.lines, 2);
    EXPECT_EQ(second.finished, 1);
  }
}

}  // namespace
}  // namespace analysis
