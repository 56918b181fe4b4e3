#include "analysis/study.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/fpstatus.h"

namespace analysis {
namespace {

EStudyInputError EmptyTrayList() {
  return EStudyInputError("Список тарелок пуст: укажите числа от 1 до " +
                          std::to_string(model::kMaxTrays));
}

EStudyInputError TrayCountOutOfRange(const std::string& count) {
  return EStudyInputError("Число тарелок " + count + " вне пределов от 1 до " +
                          std::to_string(model::kMaxTrays));
}

bool IsTraySeparator(char c) { return c == ' ' || c == ',' || c == '\t'; }

int ParseTrayCount(std::string_view token) {
  int value = 0;
  const char* end = token.data() + token.size();
  const std::from_chars_result read = std::from_chars(token.data(), end, value);
  if (read.ec == std::errc::invalid_argument || read.ptr != end) {
    throw EStudyInputError("'" + runtime::Echoed(token) + "' — не целое число тарелок");
  }
  if (read.ec == std::errc::result_out_of_range || value < 1 || value > model::kMaxTrays) {
    throw TrayCountOutOfRange(runtime::Echoed(token));
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
    throw EmptyTrayList();
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
    throw EStudyInputError("Границы флегмового числа должны быть конечными числами");
  }
  // A negative ratio gives a negative take-off and efficiency, not a failure.
  if (range.from < 0.0L) {
    throw EStudyInputError("Флегмовое число не может быть меньше 0");
  }
  if (range.from > range.to) {
    throw EStudyInputError("Начальное флегмовое число больше конечного");
  }
  if (range.points < 2 || range.points > kMaxRefluxPoints) {
    throw EStudyInputError("Число точек должно быть от 2 до " + std::to_string(kMaxRefluxPoints));
  }
}

void CheckStudy(const Study& study) {
  if (study.traycounts.empty()) {
    throw EmptyTrayList();
  }
  for (const int traycount : study.traycounts) {
    if (traycount < 1 || traycount > model::kMaxTrays) {
      throw TrayCountOutOfRange(std::to_string(traycount));
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

const char* PluralForm(int count, const char* one, const char* few, const char* many) {
  const int lasttwo = count % 100;
  const int last = count % 10;
  if (lasttwo >= 11 && lasttwo <= 14) return many;
  if (last == 1) return one;
  if (last >= 2 && last <= 4) return few;
  return many;
}

std::string FailureNote(const FailureCount& failure) {
  return std::to_string(failure.count) + " " +
         PluralForm(failure.count, "точка не рассчитана", "точки не рассчитаны",
                    "точек не рассчитаны") +
         ": " + failure.message;
}

}  // namespace analysis
