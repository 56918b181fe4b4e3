#pragma once

// The threads the program's background work runs on: studies, searches and
// batch runs draw on one set, so that all of them together never keep more
// threads busy than the processor has.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace analysis {

class TWorkers {
 public:
  // `threads` workers, at least 1.
  explicit TWorkers(int threads);
  // Drops the tasks not yet started and joins the workers, each of which
  // finishes the task it runs: a task ends promptly once its stop was asked.
  ~TWorkers();

  TWorkers(const TWorkers&) = delete;
  TWorkers& operator=(const TWorkers&) = delete;

  int Threads() const { return static_cast<int>(threads_.size()); }

  // Runs `task` on a worker once one is free, in the order posted.
  void Post(std::function<void()> task);

  // Calls `body` once for every index in [0, count), on the calling thread
  // and on as many workers as are free, at most Threads() threads in all,
  // and returns when every call has returned. Indices are handed out in
  // increasing order. The caller works through the indices itself, so the
  // loop completes even when every worker is busy, and a task on a worker
  // may run a loop of its own. Once `stop` is asked the indices left are
  // skipped. An exception from `body` is thrown here once the calls under
  // way have returned; the indices left are skipped.
  void ForEach(std::size_t count, const std::function<void(std::size_t)>& body,
               std::stop_token stop = {});

 private:
  void Work(std::stop_token stop);

  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::deque<std::function<void()>> tasks_;
  std::vector<std::jthread> threads_;
};

// The program's workers, one per hardware thread, started on first use.
// Work started on them never keeps more threads busy. A thread outside them
// that runs loops (the command line's main thread) works in them too, one
// thread more at most; a loop of its own without nested ones adds none.
TWorkers& Workers();

}  // namespace analysis
