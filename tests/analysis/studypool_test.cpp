#include "analysis/studypool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <set>

namespace analysis {
namespace {

using namespace std::chrono_literals;

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// Tray counts that run the top-down solution and ones that do not, and a
// range through -1, where the product divides by zero.
Study MixedStudy() { return Study{1000, 0.01L, {1, 7, 20, 100}, {-2, 14, 17}}; }

// Long enough that the test thread acts well before the pool is done, even
// on a busy machine.
Study BigStudy() {
  Study study{1000, 0.01L, {}, {0, 20, 200}};
  for (int trays = 1; trays <= 30; ++trays) study.traycounts.push_back(trays);
  return study;
}

void ExpectSameBits(const StudyPoint& a, const StudyPoint& b, const std::string& where) {
  EXPECT_TRUE(SameBits(a.refluxratio, b.refluxratio)) << where;
  EXPECT_TRUE(SameBits(a.toppercent, b.toppercent)) << where;
  EXPECT_TRUE(SameBits(a.product, b.product)) << where;
  EXPECT_TRUE(SameBits(a.efficiencypercent, b.efficiencypercent)) << where;
  EXPECT_EQ(a.error, b.error) << where;
}

TEST(RunStudy, EveryPointIsTheWindowsCalculation) {
  const Study study = MixedStudy();
  const std::vector<StudyLine> lines = RunStudy(study, 2);
  ASSERT_EQ(lines.size(), study.traycounts.size());
  int failed = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].traycount, study.traycounts[i]);
    ASSERT_EQ(lines[i].points.size(), 17U);
    for (int k = 0; k < 17; ++k) {
      const StudyPoint& point = lines[i].points[k];
      const long double ratio = -2 + k;
      EXPECT_EQ(point.refluxratio, ratio);
      model::TColumn direct;
      try {
        direct.Calculate({1000, 0.01L, study.traycounts[i], ratio + 1});
      } catch (const runtime::Exception& e) {
        EXPECT_EQ(point.error, e.what());
        ++failed;
        continue;
      }
      ASSERT_FALSE(point.Failed()) << point.error;
      EXPECT_TRUE(SameBits(point.toppercent, direct.topstrength * 100));
      EXPECT_TRUE(SameBits(point.product, direct.product));
      EXPECT_TRUE(SameBits(point.efficiencypercent,
                           direct.productethanol / direct.stillethanol * 100));
    }
  }
  EXPECT_EQ(failed, 4);  // R = -1 on each line
}

// Several columns calculating at once must not disturb one another: shared
// state in the model or a floating-point flag seen by the wrong thread would
// change bits or messages.
TEST(RunStudy, OneWorkerAndManyGiveTheSameBits) {
  const Study study = MixedStudy();
  const std::vector<StudyLine> alone = RunStudy(study, 1);
  for (const int workers : {2, 4}) {
    const std::vector<StudyLine> shared = RunStudy(study, workers);
    ASSERT_EQ(shared.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
      for (std::size_t k = 0; k < alone[i].points.size(); ++k) {
        ExpectSameBits(shared[i].points[k], alone[i].points[k],
                       std::to_string(workers) + " workers, line " + std::to_string(i) +
                           ", point " + std::to_string(k));
      }
    }
  }
}

// Records what a pool reports, and lets a test wait for it.
struct Recorder {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::pair<int, StudyLine>> lines;
  int finished = 0;

  LineCallback OnLine() {
    return [this](int index, const StudyLine& line) {
      std::lock_guard lock(mutex);
      lines.emplace_back(index, line);
      changed.notify_all();
    };
  }
  FinishedCallback OnFinished() {
    return [this] {
      std::lock_guard lock(mutex);
      ++finished;
      changed.notify_all();
    };
  }
  bool WaitForLines(std::size_t count) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 30s, [&] { return lines.size() >= count; });
  }
  std::size_t LineCount() {
    std::lock_guard lock(mutex);
    return lines.size();
  }
};

TEST(TStudyPool, ReportsEachWholeLineOnceThenFinishes) {
  Recorder recorder;
  TStudyPool pool(2);
  const Study study{1000, 0.01L, {1, 2, 5}, {0, 20, 11}};
  pool.Start(study, recorder.OnLine(), recorder.OnFinished());
  pool.Wait();
  ASSERT_EQ(recorder.lines.size(), 3U);
  std::set<int> indices;
  for (const auto& [index, line] : recorder.lines) {
    indices.insert(index);
    EXPECT_EQ(line.traycount, study.traycounts[index]);
    EXPECT_EQ(line.points.size(), 11U);
  }
  EXPECT_EQ(indices, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(recorder.finished, 1);
}

TEST(TStudyPool, ACancelledStudyReportsNothingAfterwardsAndNoPartialLine) {
  Recorder recorder;
  TStudyPool pool(2);
  const Study big = BigStudy();
  pool.Start(big, recorder.OnLine(), recorder.OnFinished());
  ASSERT_TRUE(recorder.WaitForLines(1));
  pool.Cancel();
  const std::size_t reported = recorder.LineCount();
  pool.Wait();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(recorder.LineCount(), reported);
  EXPECT_LT(reported, big.traycounts.size());
  EXPECT_EQ(recorder.finished, 0);
  for (const auto& [index, line] : recorder.lines) {
    EXPECT_EQ(line.points.size(), 200U);
    for (const StudyPoint& point : line.points) EXPECT_GT(point.toppercent, 0.0L) << index;
  }
}

TEST(TStudyPool, ANewRequestReplacesTheRunningOne) {
  Recorder first;
  Recorder second;
  TStudyPool pool(2);
  const Study big = BigStudy();
  const std::uint64_t one = pool.Start(big, first.OnLine(), first.OnFinished());
  ASSERT_TRUE(first.WaitForLines(1));
  const Study small{1000, 0.2L, {3, 4}, {0, 2, 3}};
  const std::uint64_t two = pool.Start(small, second.OnLine(), second.OnFinished());
  const std::size_t fromfirst = first.LineCount();
  pool.Wait();
  EXPECT_EQ(two, one + 1);
  EXPECT_EQ(first.LineCount(), fromfirst);
  EXPECT_EQ(first.finished, 0);
  EXPECT_EQ(second.lines.size(), 2U);
  EXPECT_EQ(second.finished, 1);
}

TEST(TStudyPool, ClosesWhileAStudyRuns) {
  Recorder recorder;
  {
    TStudyPool pool(2);
    pool.Start(BigStudy(), recorder.OnLine());
  }
  const std::size_t reported = recorder.LineCount();
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(recorder.LineCount(), reported);
}

}  // namespace
}  // namespace analysis
