#include "analysis/batchtable.h"

#include <string>

#include "analysis/csv.h"
#include "analysis/volumefields.h"

namespace analysis {

Cut CutAt(const BatchRun& run, long double threshold_percent) {
  Cut cut;
  cut.threshold_percent = threshold_percent;
  const std::vector<BatchRow>& rows = run.rows;
  if (rows.empty()) return cut;
  // The first row below the threshold, or the last row.
  std::size_t end = 0;
  while (end + 1 < rows.size() && rows[end].top_percent >= threshold_percent) ++end;
  cut.heldtoend = rows[end].top_percent >= threshold_percent;
  const BatchRow last =
      cut.heldtoend || end == 0 ? rows[end] : TopFallsBelow(run, end, threshold_percent);
  cut.time_h = last.time_h;
  cut.product_kg = last.product_kg;
  cut.product_mean_percent = last.product_mean_percent;
  return cut;
}

std::vector<Cut> CutTable(const BatchRun& run, long double userthreshold_percent) {
  std::vector<Cut> table;
  for (const long double threshold : kCutThresholds) table.push_back(CutAt(run, threshold));
  table.push_back(CutAt(run, userthreshold_percent));
  return table;
}

void WriteBatchCsv(std::ostream& out, const std::vector<BatchRow>& rows) {
  out << kBatchCsvHeader << "\r\n";
  for (const BatchRow& row : rows) {
    WriteCsvRow(out, {ShortestText(row.time_h), ShortestText(row.still_percent),
                      ShortestText(row.still_kg), ShortestText(row.top_percent),
                      ShortestText(row.product_g_per_h), ShortestText(row.product_kg),
                      ShortestText(row.product_mean_percent), VolumePercentField(row.still_percent),
                      VolumePercentField(row.top_percent),
                      LitresField(row.product_kg, row.product_mean_percent)});
  }
}

}  // namespace analysis
