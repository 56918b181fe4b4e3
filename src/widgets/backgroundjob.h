#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>

namespace widgets {

// One kind of a window's background work (its study, its search, its run).
// The job runs on the program's workers with a stop token; what it hands
// over reaches the window on the window's thread, queued, and is dropped
// there when a later request or Cancel has made it stale. The window never
// waits for a job: cancelling asks it to stop and forgets it, and it ends
// on its own.
class TBackgroundJob {
  struct State;

 public:
  // Called on the job's thread with what to do on the window's thread.
  // `show` may touch the window: it runs only while its request is current.
  class THandOver {
   public:
    void operator()(std::function<void()> show) const { Post(std::move(show), false); }
    // The job's result: the job stops counting as running when it is shown.
    void Last(std::function<void()> show) const { Post(std::move(show), true); }

   private:
    friend class TBackgroundJob;
    THandOver(std::shared_ptr<State> state, std::uint64_t request)
        : state_(std::move(state)), request_(request) {}
    void Post(std::function<void()> show, bool last) const;

    std::shared_ptr<State> state_;
    std::uint64_t request_;
  };
  using Job = std::function<void(std::stop_token stop, const THandOver& handOver)>;

  // `window` receives the hand-overs; it must outlive this object.
  explicit TBackgroundJob(QObject& window);
  // As Cancel: nothing of the job reaches the window any more.
  ~TBackgroundJob();

  TBackgroundJob(const TBackgroundJob&) = delete;
  TBackgroundJob& operator=(const TBackgroundJob&) = delete;

  // Cancels the job before, if any, and starts `job` as a new request.
  void Start(Job job);
  // Asks the job to stop and drops all it still hands over.
  void Cancel();
  // Asks the job to stop; what it hands over still arrives.
  void RequestStop() { stop_.request_stop(); }
  // From Start until Cancel, or until the job's Last hand-over is shown.
  bool Running() const;

 private:
  std::shared_ptr<State> state_;
  std::stop_source stop_;
};

}  // namespace widgets
