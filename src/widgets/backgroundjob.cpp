#include "widgets/backgroundjob.h"

#include <mutex>

#include "analysis/workers.h"

namespace widgets {

// Shared with the jobs, which may outlive the window.
struct TBackgroundJob::State {
  std::mutex mutex;
  // Guarded by the mutex; written on the window's thread only.
  QObject* window;
  std::uint64_t request = 0;
  // The window's thread only.
  bool running = false;
};

void TBackgroundJob::THandOver::Post(std::function<void()> show, bool last) const {
  // The lock only keeps the window from going while the call is queued;
  // `show` itself runs later, on the window's thread, under no lock.
  std::lock_guard lock(state_->mutex);
  if (state_->window == nullptr || state_->request != request_) return;
  QMetaObject::invokeMethod(
      state_->window,
      [state = state_, request = request_, show = std::move(show), last] {
        // Read on the one thread that writes it.
        if (state->request != request) return;
        if (last) state->running = false;
        show();
      },
      Qt::QueuedConnection);
}

TBackgroundJob::TBackgroundJob(QObject& window) : state_(std::make_shared<State>()) {
  state_->window = &window;
}

bool TBackgroundJob::Running() const { return state_->running; }

TBackgroundJob::~TBackgroundJob() {
  Cancel();
  std::lock_guard lock(state_->mutex);
  state_->window = nullptr;
}

void TBackgroundJob::Start(Job job) {
  Cancel();
  stop_ = {};
  state_->running = true;
  const THandOver handOver(state_, state_->request);
  analysis::Workers().Post([job = std::move(job), stop = stop_.get_token(), handOver] { job(stop, handOver); });
}

void TBackgroundJob::Cancel() {
  stop_.request_stop();
  {
    std::lock_guard lock(state_->mutex);
    ++state_->request;
  }
  state_->running = false;
}

}  // namespace widgets
