#include "widgets/backgroundjob.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "support/qtapplication.h"

namespace widgets {
namespace {

using namespace std::chrono_literals;

// Once Cancel, a new Start or the helper's end has returned, nothing of the
// earlier request reaches the window, not even what was already queued,
// while a new request's result does; and none of them waits for the job,
// which here ends only when let go.
TEST(TBackgroundJob, NothingOfAnEarlierRequestArrivesAndNothingWaitsForTheJob) {
  test_support::EnsureQtApplication();
  enum class Then { kCancel, kStartAgain, kDestroy };
  for (const Then then : {Then::kCancel, Then::kStartAgain, Then::kDestroy}) {
    QObject window;
    auto helper = std::make_unique<TBackgroundJob>(window);
    auto letGo = std::make_shared<std::atomic<bool>>(false);
    auto ended = std::make_shared<std::atomic<bool>>(false);
    int shown = 0;
    bool laterShown = false;
    helper->Start([&shown, letGo, ended](std::stop_token stop, const TBackgroundJob::THandOver& handOver) {
      while (!stop.stop_requested()) {
        handOver([&shown] { ++shown; });
        std::this_thread::sleep_for(1ms);
      }
      for (int ms = 0; ms < 30000 && !*letGo; ++ms) std::this_thread::sleep_for(1ms);
      *ended = true;
    });
    ASSERT_TRUE(test_support::WaitUntil([&] { return shown > 0; }));
    // Hand-overs pile up in the queue meanwhile.
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    if (then == Then::kCancel) helper->Cancel();
    if (then == Then::kStartAgain) {
      helper->Start([&laterShown](std::stop_token, const TBackgroundJob::THandOver& handOver) {
        handOver.Last([&laterShown] { laterShown = true; });
      });
    }
    if (then == Then::kDestroy) helper.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    const int before = shown;
    *letGo = true;
    ASSERT_TRUE(test_support::WaitUntil([&] { return *ended && (!helper || !helper->Running()); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, before) << static_cast<int>(then);
    EXPECT_EQ(laterShown, then == Then::kStartAgain);
  }
}

}  // namespace
}  // namespace widgets
