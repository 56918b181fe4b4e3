#include "analysis/studypool.h"

#include <algorithm>
#include <atomic>

namespace analysis {

struct TStudyPool::Job {
  Job(Study s, LineCallback line, FinishedCallback finished)
      : study(std::move(s)),
        online(std::move(line)),
        onfinished(std::move(finished)),
        points(study.reflux.points),
        total(study.traycounts.size() * static_cast<std::size_t>(points)),
        lines(study.traycounts.size()),
        done(study.traycounts.size()),
        linesleft(static_cast<int>(study.traycounts.size())) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      lines[i].traycount = study.traycounts[i];
      lines[i].points.resize(points);
    }
  }

  const Study study;
  const LineCallback online;
  const FinishedCallback onfinished;
  const int points;
  const std::size_t total;
  // Each point is written by the one worker that took its index; the worker
  // that completes a line's count reads the whole line, and the acquire-release
  // count makes the other workers' points visible to it.
  std::vector<StudyLine> lines;
  std::vector<std::atomic<int>> done;
  std::atomic<std::size_t> next{0};
  std::atomic<bool> cancelled{false};
  int linesleft;  // guarded by the pool's mutex
};

TStudyPool::TStudyPool(int workers) {
  if (workers <= 0) workers = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  workers_.reserve(workers);
  for (int i = 0; i < workers; ++i) {
    workers_.emplace_back([this](std::stop_token stop) { Work(stop); });
  }
}

TStudyPool::~TStudyPool() {
  Cancel();
  workers_.clear();
}

std::uint64_t TStudyPool::Start(Study study, LineCallback online, FinishedCallback onfinished) {
  CheckStudy(study);
  auto job = std::make_shared<Job>(std::move(study), std::move(online), std::move(onfinished));
  std::uint64_t request = 0;
  {
    std::lock_guard lock(mutex_);
    CancelLocked();
    job_ = std::move(job);
    request = ++lastrequest_;
  }
  wake_.notify_all();
  return request;
}

void TStudyPool::Cancel() {
  std::lock_guard lock(mutex_);
  CancelLocked();
}

void TStudyPool::CancelLocked() {
  if (!job_) return;
  job_->cancelled = true;
  job_.reset();
  idle_.notify_all();
}

void TStudyPool::Wait() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [&] { return !job_; });
}

bool TStudyPool::HasWork() const { return job_ && job_->next < job_->total; }

void TStudyPool::Work(std::stop_token stop) {
  std::unique_lock lock(mutex_);
  while (wake_.wait(lock, stop, [&] { return HasWork(); })) {
    const std::shared_ptr<Job> job = job_;
    lock.unlock();
    while (!job->cancelled && !stop.stop_requested()) {
      const std::size_t index = job->next++;
      if (index >= job->total) break;
      const std::size_t lineindex = index / job->points;
      const int k = static_cast<int>(index % job->points);
      StudyLine& line = job->lines[lineindex];
      line.points[k] = CalculatePoint(job->study.power, job->study.stillstrength,
                                      line.traycount, RefluxRatioAt(job->study.reflux, k));
      if (job->done[lineindex].fetch_add(1, std::memory_order_acq_rel) + 1 < job->points) continue;

      std::lock_guard report(mutex_);
      if (job->cancelled) break;
      job->online(static_cast<int>(lineindex), line);
      if (--job->linesleft == 0) {
        if (job->onfinished) job->onfinished();
        job_.reset();
        idle_.notify_all();
      }
    }
    lock.lock();
  }
}

std::vector<StudyLine> RunStudy(const Study& study, int workers,
                                const std::function<void(int done)>& linesdone) {
  std::vector<StudyLine> lines(study.traycounts.size());
  TStudyPool pool(workers);
  int done = 0;
  // The pool calls back one line at a time, so the count needs no lock of its own.
  pool.Start(study, [&](int lineindex, const StudyLine& line) {
    lines[lineindex] = line;
    if (linesdone) linesdone(++done);
  });
  pool.Wait();
  return lines;
}

}  // namespace analysis
