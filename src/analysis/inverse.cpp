#include "analysis/inverse.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

#include "analysis/workers.h"

namespace analysis {
namespace {

// The least index in [0, count) that `reaches` accepts, or count when none
// does; nothing when `stop` was requested. Indices are handed out in
// increasing order and one at or above the least accepted so far is skipped,
// so every index below the answer has been calculated.
template <class Accepts>
std::optional<long long> FirstAccepted(long long count, const std::stop_token& stop,
                                       const Accepts& accepts) {
  std::atomic<long long> first{count};
  Workers().ForEach(
      static_cast<std::size_t>(count),
      [&](std::size_t at) {
        const auto index = static_cast<long long>(at);
        if (index >= first) return;
        if (!accepts(index)) return;
        long long least = first;
        while (index < least && !first.compare_exchange_weak(least, index)) {
        }
      },
      stop);
  if (stop.stop_requested()) return std::nullopt;
  return first.load();
}

// k such that k / 100 is the least (or, rounding down, the greatest)
// multiple of 0.01 on that side of `value`.
long long HundredthsInward(long double value, bool up) {
  auto k = static_cast<long long>(std::llround(value * 100));
  if (up) {
    if (k / 100.0L < value) ++k;
    if ((k - 1) / 100.0L >= value) --k;
  } else {
    if (k / 100.0L > value) --k;
    if ((k + 1) / 100.0L <= value) ++k;
  }
  return k;
}

}  // namespace

bool Reaches(const model::ColumnInputs& inputs, long double targetpercent) {
  try {
    return model::Calculate(inputs).topstrength.Percent() >= targetpercent;
  } catch (const runtime::Exception&) {
    return false;
  }
}

std::optional<RefluxAnswer> LeastRefluxRatio(const model::ColumnInputs& inputs,
                                             const RefluxRange& range, long double targetpercent,
                                             std::stop_token stop) {
  if (inputs.traycount > model::kMaxTrays) {
    throw EStudyInputError(StudyRefusal::kSearchTrayCountTooLarge, std::to_string(inputs.traycount));
  }
  CheckRefluxRange(RefluxRange{range.from, range.to, 2});
  if (std::fabs(range.from) > kMaxRefluxCandidates * kRefluxStep ||
      std::fabs(range.to) > kMaxRefluxCandidates * kRefluxStep) {
    throw EStudyInputError(StudyRefusal::kSearchRefluxTooLarge);
  }
  const long long first = HundredthsInward(range.from, true);
  const long long last = HundredthsInward(range.to, false);
  const long long count = std::max(0LL, last - first + 1);
  if (count > kMaxRefluxCandidates) {
    throw EStudyInputError(StudyRefusal::kSearchRangeTooWide);
  }

  RefluxAnswer answer;
  answer.reason.targetpercent = targetpercent;
  if (targetpercent > kAzeotropePercent) return answer;
  const auto ratio = [&](long long index) { return (first + index) / 100.0L; };
  const std::optional<long long> found =
      FirstAccepted(count, stop, [&](long long index) {
        model::ColumnInputs candidate = inputs;
        candidate.reflux = model::RefluxRatio::FromRatio(ratio(index));
        return Reaches(candidate, targetpercent);
      });
  if (!found) return std::nullopt;
  if (*found < count) {
    answer.reached = true;
    answer.refluxratio = ratio(*found);
  } else {
    answer.reason.why = Unreachable::Why::kNoRefluxRatio;
    answer.reason.traycount = inputs.traycount;
    answer.reason.range = range;
  }
  return answer;
}

std::optional<TrayAnswer> LeastTrayCount(const model::ColumnInputs& inputs,
                                         long double targetpercent, std::stop_token stop) {
  TrayAnswer answer;
  answer.reason.targetpercent = targetpercent;
  if (targetpercent > kAzeotropePercent) return answer;
  const std::optional<long long> found =
      FirstAccepted(model::kMaxTrays, stop, [&](long long index) {
        model::ColumnInputs candidate = inputs;
        candidate.traycount = static_cast<int>(index) + 1;
        return Reaches(candidate, targetpercent);
      });
  if (!found) return std::nullopt;
  if (*found < model::kMaxTrays) {
    answer.reached = true;
    answer.traycount = static_cast<int>(*found) + 1;
  } else {
    answer.reason.why = Unreachable::Why::kNoTrayCount;
    answer.reason.refluxratio = inputs.reflux.Ratio();
  }
  return answer;
}

}  // namespace analysis
