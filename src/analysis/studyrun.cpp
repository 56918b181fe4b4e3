#include "analysis/studyrun.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace analysis {

bool CalculateStudy(TWorkers& workers, const Study& study, const LineCallback& online,
                    std::stop_token stop) {
  CheckStudy(study);
  const auto points = static_cast<std::size_t>(study.reflux.points);
  std::vector<StudyLine> lines(study.traycounts.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines[i].traycount = study.traycounts[i];
    lines[i].points.resize(points);
  }
  // Each point is written by the one thread that took its index; the thread
  // that completes a line's count reads the whole line, and the
  // acquire-release count makes the other threads' points visible to it.
  std::vector<std::atomic<std::size_t>> done(lines.size());
  workers.ForEach(
      lines.size() * points,
      [&](std::size_t index) {
        const std::size_t lineindex = index / points;
        const int k = static_cast<int>(index % points);
        StudyLine& line = lines[lineindex];
        line.points[k] =
            CalculatePoint(study.power, study.stillstrength, line.traycount, RefluxRatioAt(study.reflux, k));
        if (done[lineindex].fetch_add(1, std::memory_order_acq_rel) + 1 == points) {
          online(static_cast<int>(lineindex), line);
        }
      },
      stop);
  return std::all_of(done.begin(), done.end(), [&](const auto& count) { return count == points; });
}

std::vector<StudyLine> RunStudy(const Study& study, TWorkers& workers,
                                const std::function<void(int done)>& linesdone) {
  std::vector<StudyLine> lines(study.traycounts.size());
  std::mutex shown;
  int done = 0;
  CalculateStudy(workers, study, [&](int lineindex, const StudyLine& line) {
    lines[lineindex] = line;
    if (!linesdone) return;
    // The count goes up in the order it is shown.
    std::lock_guard lock(shown);
    linesdone(++done);
  });
  return lines;
}

}  // namespace analysis
