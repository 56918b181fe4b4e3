#pragma once

// Tables drawn from a batch run's rows: the cuts a distiller would take, and
// the rows as CSV.

#include <array>
#include <ostream>
#include <vector>

#include "analysis/batchrun.h"

namespace analysis {

// The product collected into one receiver from the start of the run until the
// top strength first falls below `threshold_percent`, when the distiller
// switches receivers: the cut ends at that moment, located between the rows.
// When the strength holds to the end of the run, the cut is the whole run. A
// charge whose top starts below the threshold gives an empty cut at time 0.
struct Cut {
  long double threshold_percent = 0.0L;
  long double time_h = 0.0L;
  long double product_kg = 0.0L;
  long double product_mean_percent = 0.0L;  // 0 for an empty cut
  bool heldtoend = false;  // the top never fell below the threshold
};

// The fixed thresholds of the table of cuts, % by mass.
inline constexpr std::array<long double, 3> kCutThresholds = {90.0L, 80.0L, 60.0L};

// The cut at one threshold; an empty cut for a run without rows.
Cut CutAt(const BatchRun& run, long double threshold_percent);

// The table of cuts: the fixed thresholds, then the user's.
std::vector<Cut> CutTable(const BatchRun& run, long double userthreshold_percent);

// The CSV header of the rows.
inline constexpr const char* kBatchCsvHeader =
    "time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,product_mean_percent,"
    "still_percent_by_volume,top_percent_by_volume,product_litres";

// Writes the header and one line per row, numbers in their shortest
// round-trip text with ".", lines ended by CRLF.
void WriteBatchCsv(std::ostream& out, const std::vector<BatchRow>& rows);

}  // namespace analysis
