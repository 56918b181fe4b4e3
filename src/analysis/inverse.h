#pragma once

// The inverse questions: the least reflux ratio, or the least tray count,
// whose top strength reaches a target. Top strength need not grow with
// either under this model, so the searches calculate every candidate in
// increasing order up to the first that reaches the target, never assuming
// that a point beyond a failing one fails too. The candidates are calculated
// on the program's workers; the answer is the least reaching one all the same.

#include <optional>
#include <stop_token>

#include "analysis/study.h"
#include "model/column.h"

namespace analysis {

// The azeotrope caps the vapour, and with it the top strength, in per cent.
inline constexpr long double kAzeotropePercent = 95.58L;

// The step of the reflux-ratio search.
inline constexpr long double kRefluxStep = 0.01L;
// The most reflux ratios one search may calculate.
inline constexpr long long kMaxRefluxCandidates = 100001;

// Why a search found no candidate that reaches its target, with what the
// answer names.
struct Unreachable {
  enum class Why {
    kAboveAzeotrope,  // no vapour is stronger than the azeotrope
    kNoRefluxRatio,   // none of the reflux ratios of `range` at `traycount`
    kNoTrayCount,     // none of 1..model::kMaxTrays trays at `refluxratio`
  };
  Why why = Why::kAboveAzeotrope;
  long double targetpercent = 0.0L;
  int traycount = 0;
  RefluxRange range;
  long double refluxratio = 0.0L;
};

struct RefluxAnswer {
  bool reached = false;
  long double refluxratio = 0.0L;  // when reached: the nearest value to a multiple of 0.01
  Unreachable reason;              // when not
};

struct TrayAnswer {
  bool reached = false;
  int traycount = 0;   // when reached
  Unreachable reason;  // when not
};

// Whether the calculation on `inputs` succeeds with a top strength of at
// least `targetpercent` per cent (the report's top strength in per cent).
bool Reaches(const model::ColumnInputs& inputs, long double targetpercent);

// The least multiple of 0.01 within [range.from, range.to] at which the
// column of `inputs` (power, still strength, tray count) reaches
// `targetpercent`; range.points plays no part. Throws EStudyInputError for
// more than model::kMaxTrays trays, for ends CheckRefluxRange refuses, or
// for more than kMaxRefluxCandidates steps.
// Returns nothing when `stop` was requested before the answer was known.
std::optional<RefluxAnswer> LeastRefluxRatio(const model::ColumnInputs& inputs,
                                             const RefluxRange& range, long double targetpercent,
                                             std::stop_token stop = {});

// The least tray count from 1 to model::kMaxTrays at which the column, with
// the power, still strength and reflux ratio of `inputs`, reaches
// `targetpercent`. Returns nothing when `stop` was requested first.
std::optional<TrayAnswer> LeastTrayCount(const model::ColumnInputs& inputs,
                                         long double targetpercent, std::stop_token stop = {});

}  // namespace analysis
