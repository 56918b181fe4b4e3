#pragma once

// Runs studies on the program's workers. Points are handed out one at a
// time in line order, so every worker helps with the first line before any
// starts the second and the first line is ready as early as it can be. Each
// point is calculated on a column of its own; the floating-point status
// flags are per thread and every calculation clears and checks them itself.

#include <functional>
#include <stop_token>
#include <vector>

#include "analysis/study.h"
#include "analysis/workers.h"

namespace analysis {

// Receives a finished line with its index in the study's tray list, on the
// thread that finished it. Lines arrive as they finish, which need not be in
// index order, and two may arrive at once on different threads.
using LineCallback = std::function<void(int lineindex, const StudyLine& line)>;

// Calculates `study` on the calling thread and `workers`, handing each line
// to `online` once all its points are done; a study CheckStudy refuses
// throws its EStudyInputError first, whoever built it. Returns whether every line was done: once `stop` is asked the
// points left are skipped and the lines they belong to never reported.
bool CalculateStudy(TWorkers& workers, const Study& study, const LineCallback& online,
                    std::stop_token stop = {});

// Runs `study` and returns its lines in tray-list order. `linesdone`, when
// given, is told the number of lines finished so far each time one
// finishes, one call at a time.
std::vector<StudyLine> RunStudy(const Study& study, TWorkers& workers = Workers(),
                                const std::function<void(int done)>& linesdone = {});

}  // namespace analysis
