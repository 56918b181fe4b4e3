#include "analysis/workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace analysis {
namespace {

using namespace std::chrono_literals;

// Calls of a loop's body: how often each index came, and the most threads
// inside the body at once.
struct Calls {
  explicit Calls(std::size_t count) : seen(count) {}
  void Call(std::size_t index) {
    const int now = ++inside;
    for (int most = busiest; now > most && !busiest.compare_exchange_weak(most, now);) {
    }
    ++seen[index];
    std::this_thread::sleep_for(200us);
    --inside;
  }
  std::vector<std::atomic<int>> seen;
  std::atomic<int> inside{0}, busiest{0};
};

// Every index once, never more threads than the workers and the one outside
// thread that runs loops, and a loop run by a task on a worker whose fellows
// are all busy with loops of their own still completes: its caller works
// through it.
TEST(TWorkers, LoopsCallEachIndexOnceWithinTheBudgetEvenWhenAllWorkersAreBusy) {
  struct Case {
    int threads;
    int loopsOnWorkers;  // 0: one loop run by a thread of the test's own
  };
  for (const Case c : {Case{1, 0}, Case{3, 0}, Case{2, 2}, Case{2, 3}}) {
    // Left to leak if a loop hangs: joining its threads would hang the test.
    auto* workers = new TWorkers(c.threads);
    constexpr std::size_t kOuter = 4, kInner = 30;
    Calls calls(kOuter * kInner * std::max(1, c.loopsOnWorkers));
    const auto loop = [&](int first) {
      workers->ForEach(kOuter, [&](std::size_t outer) {
        workers->ForEach(kInner, [&](std::size_t inner) { calls.Call((first * kOuter + outer) * kInner + inner); });
      });
    };
    auto finished = std::make_shared<std::atomic<int>>(0);
    const auto run = [&loop, finished](int first) {
      loop(first);
      ++*finished;
    };
    if (c.loopsOnWorkers == 0) std::thread(run, 0).detach();
    for (int i = 0; i < c.loopsOnWorkers; ++i) workers->Post([run, i] { run(i); });
    const int expected = std::max(1, c.loopsOnWorkers);
    for (int ms = 0; ms < 60000 && *finished < expected; ++ms) std::this_thread::sleep_for(1ms);
    ASSERT_EQ(*finished, expected) << c.threads << ' ' << c.loopsOnWorkers;
    for (const std::atomic<int>& seen : calls.seen) EXPECT_EQ(seen, 1);
    EXPECT_LE(calls.busiest, c.threads + (c.loopsOnWorkers == 0 ? 1 : 0)) << c.threads << ' ' << c.loopsOnWorkers;
    delete workers;
  }
}

TEST(TWorkers, AStopOrAnExceptionEndsTheLoopPromptly) {
  TWorkers workers(2);
  for (const bool throws : {false, true}) {
    std::stop_source stop;
    std::atomic<int> calls{0};
    const auto run = [&] {
      workers.ForEach(
          10000,
          [&](std::size_t index) {
            ++calls;
            // Slow enough that a loop going on would show.
            if (index != 10) return std::this_thread::sleep_for(200us);
            if (throws) throw std::runtime_error("fault");
            stop.request_stop();
          },
          stop.get_token());
    };
    if (throws) {
      EXPECT_THROW(run(), std::runtime_error);
    } else {
      run();
    }
    EXPECT_LT(calls, 1000) << throws;
  }
}

}  // namespace
}  // namespace analysis
