#include "analysis/workers.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <utility>

namespace analysis {
namespace {

// One ForEach in progress. The helpers it posts share it, so one that
// starts after the loop has returned finds no index left and leaves without
// touching the body, which lived on the caller's stack.
struct Loop {
  Loop(std::size_t n, const std::function<void(std::size_t)>& f, std::stop_token s)
      : count(n), body(&f), stop(std::move(s)) {}

  // Takes indices until none is left. Every index below count is taken by
  // exactly one running thread and counted in `done` once its call returns,
  // so the caller knows when the last one is through.
  void Work() {
    for (std::size_t index = next++; index < count; index = next++) {
      if (!failed && !stop.stop_requested()) {
        try {
          (*body)(index);
        } catch (...) {
          std::lock_guard lock(errorMutex);
          if (!error) error = std::current_exception();
          failed = true;
        }
      }
      if (done.fetch_add(1, std::memory_order_acq_rel) + 1 == count) done.notify_all();
    }
  }

  const std::size_t count;
  const std::function<void(std::size_t)>* const body;
  const std::stop_token stop;
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<bool> failed{false};
  std::mutex errorMutex;
  std::exception_ptr error;
};

}  // namespace

TWorkers::TWorkers(int threads) {
  threads_.reserve(static_cast<std::size_t>(std::max(1, threads)));
  for (int i = 0; i < std::max(1, threads); ++i) {
    threads_.emplace_back([this](std::stop_token stop) { Work(stop); });
  }
}

TWorkers::~TWorkers() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    dropped.swap(tasks_);
  }
  for (std::jthread& thread : threads_) thread.request_stop();
  threads_.clear();
}

void TWorkers::Post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
}

void TWorkers::Work(std::stop_token stop) {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock lock(mutex_);
      if (!wake_.wait(lock, stop, [&] { return !tasks_.empty(); })) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void TWorkers::ForEach(std::size_t count, const std::function<void(std::size_t)>& body,
                       std::stop_token stop) {
  if (count == 0) return;
  const auto loop = std::make_shared<Loop>(count, body, std::move(stop));
  const std::size_t helpers = std::min(count, threads_.size()) - 1;
  if (helpers > 0) {
    {
      std::lock_guard lock(mutex_);
      for (std::size_t i = 0; i < helpers; ++i) tasks_.emplace_back([loop] { loop->Work(); });
    }
    wake_.notify_all();
  }
  loop->Work();
  for (std::size_t done = loop->done.load(std::memory_order_acquire); done < count;
       done = loop->done.load(std::memory_order_acquire)) {
    loop->done.wait(done, std::memory_order_acquire);
  }
  if (loop->error) std::rethrow_exception(loop->error);
}

TWorkers& Workers() {
  static TWorkers workers(static_cast<int>(std::max(1U, std::thread::hardware_concurrency())));
  return workers;
}

}  // namespace analysis
