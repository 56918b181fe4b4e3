#include "analysis/study.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/fpstatus.h"

namespace analysis {
namespace {

bool IsTraySeparator(char c) { return c == ' ' || c == ',' || c == '\t'; }

int ParseTrayCount(std::string_view token) {
  int value = 0;
  const char* end = token.data() + token.size();
  const std::from_chars_result read = std::from_chars(token.data(), end, value);
  if (read.ec == std::errc::invalid_argument || read.ptr != end) {
    throw EStudyInputError(StudyRefusal::kTrayCountNotWhole, std::string(token));
  }
  if (read.ec == std::errc::result_out_of_range || value < 1 || value > model::kMaxTrays) {
    throw EStudyInputError(StudyRefusal::kTrayCountOutOfRange, std::string(token));
  }
  return value;
}

}  // namespace

std::vector<int> ParseTrayList(std::string_view text) {
  std::vector<int> traycounts;
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsTraySeparator(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !IsTraySeparator(text[end])) ++end;
    traycounts.push_back(ParseTrayCount(text.substr(at, end - at)));
    at = end;
  }
  if (traycounts.empty()) {
    throw EStudyInputError(StudyRefusal::kEmptyTrayList);
  }
  std::sort(traycounts.begin(), traycounts.end());
  traycounts.erase(std::unique(traycounts.begin(), traycounts.end()), traycounts.end());
  return traycounts;
}

std::vector<int> WithTrayCount(std::vector<int> traycounts, int traycount) {
  if (traycount < 1 || traycount > model::kMaxTrays) return traycounts;
  const auto place = std::lower_bound(traycounts.begin(), traycounts.end(), traycount);
  if (place == traycounts.end() || *place != traycount) traycounts.insert(place, traycount);
  return traycounts;
}

void CheckRefluxRange(const RefluxRange& range) {
  if (!std::isfinite(static_cast<double>(range.from)) ||
      !std::isfinite(static_cast<double>(range.to))) {
    throw EStudyInputError(StudyRefusal::kRefluxEndsNotFinite);
  }
  // A negative ratio gives a negative take-off and efficiency, not a failure.
  if (range.from < 0.0L) {
    throw EStudyInputError(StudyRefusal::kRefluxBelowZero);
  }
  if (range.from > range.to) {
    throw EStudyInputError(StudyRefusal::kRefluxEndsReversed);
  }
  if (range.points < 2 || range.points > kMaxRefluxPoints) {
    throw EStudyInputError(StudyRefusal::kPointCountOutOfRange);
  }
}

void CheckStudy(const Study& study) {
  if (study.traycounts.empty()) {
    throw EStudyInputError(StudyRefusal::kEmptyTrayList);
  }
  for (const int traycount : study.traycounts) {
    if (traycount < 1 || traycount > model::kMaxTrays) {
      throw EStudyInputError(StudyRefusal::kTrayCountOutOfRange, std::to_string(traycount));
    }
  }
  CheckRefluxRange(study.reflux);
}

long double RefluxRatioAt(const RefluxRange& range, int k) {
  if (k == range.points - 1) return range.to;
  return range.from + (range.to - range.from) * k / (range.points - 1);
}

model::ColumnInputs PointInputs(std::int32_t power, model::Strength stillstrength, int traycount,
                                long double refluxratio) {
  return model::ColumnInputs{power, stillstrength, traycount,
                             model::RefluxRatio::FromRatio(refluxratio)};
}

std::vector<FailureCount> StudyLine::Failures() const {
  std::vector<FailureCount> failures;
  for (const StudyPoint& point : points) {
    if (!point.Failed()) continue;
    const auto same = std::find_if(failures.begin(), failures.end(),
                                   [&](const FailureCount& f) { return f.message == point.error; });
    if (same == failures.end()) {
      failures.push_back({point.error, 1});
    } else {
      ++same->count;
    }
  }
  return failures;
}

StudyPoint CalculatePoint(std::int32_t power, model::Strength stillstrength, int traycount,
                          long double refluxratio) {
  StudyPoint point;
  point.refluxratio = refluxratio;
  try {
    const model::ColumnResult result =
        model::Calculate(PointInputs(power, stillstrength, traycount, refluxratio));
    runtime::ClearFloatFaults();
    const long double toppercent = result.topstrength.Percent();
    const long double efficiencypercent = result.EthanolEfficiencyPercent();
    runtime::CheckFloatFaults(toppercent, efficiencypercent);
    point.toppercent = toppercent;
    point.product = result.product;
    point.efficiencypercent = efficiencypercent;
  } catch (const runtime::Exception& e) {
    point.error = e.what();
  }
  return point;
}

}  // namespace analysis
