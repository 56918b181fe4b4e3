#pragma once

// Runs studies on a pool of worker threads. Points are handed out one at a
// time in line order, so every worker helps with the first line before any
// starts the second and the first line is ready as early as it can be. Each
// worker has its own column; the floating-point status flags are per thread
// and every calculation clears and checks them itself.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/study.h"

namespace analysis {

// Receives a finished line with its index in the study's tray list. Lines
// arrive as they finish, which need not be in index order.
using LineCallback = std::function<void(int lineindex, const StudyLine& line)>;
// Called once after the last line of a study that was not cancelled.
using FinishedCallback = std::function<void()>;

class TStudyPool {
 public:
  // `workers` threads; 0 takes one per hardware thread.
  explicit TStudyPool(int workers = 0);
  // Cancels the running study and joins the workers.
  ~TStudyPool();

  TStudyPool(const TStudyPool&) = delete;
  TStudyPool& operator=(const TStudyPool&) = delete;

  // Cancels the running study, if any, and starts `study`, which must have
  // passed CheckRefluxRange and hold valid tray counts. Returns the request's
  // id, counting from 1. The callbacks run on a worker thread, one at a time,
  // while the pool holds its lock: they must not call into the pool (a window
  // posts what it receives to its own thread instead).
  std::uint64_t Start(Study study, LineCallback online, FinishedCallback onfinished = {});

  // Cancels the running study. Once Start or Cancel returns, no callback of
  // the earlier request runs any more, so a cancelled study never adds a line
  // after the fact, and it never reports a part of a line at all.
  void Cancel();

  // Blocks until the current request has finished or been cancelled.
  void Wait();

  int WorkerCount() const { return static_cast<int>(workers_.size()); }

 private:
  struct Job;
  void Work(std::stop_token stop);
  bool HasWork() const;
  void CancelLocked();

  mutable std::mutex mutex_;
  std::condition_variable_any wake_;
  std::condition_variable_any idle_;
  std::shared_ptr<Job> job_;
  std::uint64_t lastrequest_ = 0;
  std::vector<std::jthread> workers_;
};

// Runs `study` on `workers` threads (0: one per hardware thread) and returns
// its lines in tray-list order. `linesdone`, when given, is told the number
// of lines finished so far each time one finishes.
std::vector<StudyLine> RunStudy(const Study& study, int workers = 0,
                                const std::function<void(int done)>& linesdone = {});

}  // namespace analysis
