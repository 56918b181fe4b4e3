#pragma once

// A study of the column: top strength, product and ethanol efficiency along a
// grid of reflux ratios, one line per tray count, at the power and still
// strength of the main window. Every point is one ordinary calculation with
// the inputs the main window would pass for it.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/column.h"
#include "runtime/errors.h"

namespace analysis {

// Why a study or a search refuses its inputs.
enum class StudyRefusal {
  kEmptyTrayList,
  kTrayCountNotWhole,       // the offending text is not a whole number
  kTrayCountOutOfRange,     // the offending count lies outside 1..model::kMaxTrays
  kRefluxEndsNotFinite,
  kRefluxBelowZero,
  kRefluxEndsReversed,
  kPointCountOutOfRange,    // outside 2..kMaxRefluxPoints
  kSearchTrayCountTooLarge,  // the offending count is above model::kMaxTrays
  kSearchRefluxTooLarge,
  kSearchRangeTooWide,
};

// A tray list, reflux range or search the study refuses: the reason, and the
// text or count at fault, as given, where the reason has one. The user's
// wording of it is the commands layer's; what() only names the kind.
class EStudyInputError : public runtime::Exception {
 public:
  explicit EStudyInputError(StudyRefusal refusal, std::string offending = {})
      : Exception("study input refused"), refusal(refusal), offending(std::move(offending)) {}

  StudyRefusal refusal;
  std::string offending;
};

// Reflux ratios from `from` to `to` in `points` evenly spaced values, both
// ends included.
struct RefluxRange {
  long double from = 0.0L;
  long double to = 20.0L;
  int points = 101;
};

// The most points a line may have: a mistyped count must not exhaust memory.
inline constexpr int kMaxRefluxPoints = 10000;

struct Study {
  std::int32_t power = 1000;          // W, as the power field gives it
  // As the strength field gives it.
  model::Strength stillstrength = model::Strength::FromFraction(0.01L);
  std::vector<int> traycounts{1, 2, 5, 10, 20, 40};
  RefluxRange reflux;
};

// Reads tray counts separated by spaces, commas or both ("1 2 5", "1,2,5",
// "1, 2, 5"), each a whole number from 1 to model::kMaxTrays. Returns them
// ascending with duplicates removed, so the lines and their legend read in
// order whatever order they were typed in. Throws EStudyInputError.
std::vector<int> ParseTrayList(std::string_view text);

// `traycounts` with `traycount` added in its place when it is a valid count
// not yet in the list (the main window's own count joins the study).
std::vector<int> WithTrayCount(std::vector<int> traycounts, int traycount);

// Throws EStudyInputError unless the range has ends that are finite as
// 64-bit doubles (the form its points are written and drawn in), a `from`
// not below 0 and not above `to`, and 2..kMaxRefluxPoints points.
void CheckRefluxRange(const RefluxRange& range);

// Throws EStudyInputError for an empty tray list, a count outside
// 1..model::kMaxTrays, or a reflux range CheckRefluxRange refuses.
void CheckStudy(const Study& study);

// The k-th reflux ratio of the range, 0 <= k < points: `to` itself for the
// last, otherwise from + (to - from)·k / (points - 1), each operation
// rounded once, so 0..20 by 101 points gives the nearest value to 0.2·k.
long double RefluxRatioAt(const RefluxRange& range, int k);

// The inputs the main window passes for these fields.
model::ColumnInputs PointInputs(std::int32_t power, model::Strength stillstrength, int traycount,
                                long double refluxratio);

struct StudyPoint {
  long double refluxratio = 0.0L;
  long double toppercent = 0.0L;         // top strength, %
  long double product = 0.0L;            // product take-off, g/h
  long double efficiencypercent = 0.0L;  // ethanol in the product / in the still vapour, %
  std::string error;                     // empty, or the message the calculation raised

  bool Failed() const { return !error.empty(); }
};

// How many points of a line failed with one message.
struct FailureCount {
  std::string message;
  int count = 0;
};

struct StudyLine {
  int traycount = 0;
  std::vector<StudyPoint> points;  // in the order of the reflux ratios

  // Failed points by message, in the order each message first occurs.
  std::vector<FailureCount> Failures() const;
};

// Calculates the point at `refluxratio`: the column calculation on
// PointInputs, then the top strength and efficiency in per cent. A raised
// runtime::Exception becomes the point's error and leaves its numbers 0.
StudyPoint CalculatePoint(std::int32_t power, model::Strength stillstrength, int traycount,
                          long double refluxratio);

}  // namespace analysis
