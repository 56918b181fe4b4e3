#include "analysis/batchtable.h"

#include <string>

#include "analysis/csv.h"
#include "analysis/volumefields.h"

namespace analysis {

Cut CutAt(const std::vector<BatchRow>& rows, long double threshold_percent) {
  Cut cut;
  cut.threshold_percent = threshold_percent;
  if (rows.empty()) return cut;
  // The first row below the threshold, or the last row: the product it
  // shows came off in the steps from the rows before it, all at or above.
  std::size_t end = 0;
  while (end + 1 < rows.size() && rows[end].top_percent >= threshold_percent) ++end;
  cut.heldtoend = rows[end].top_percent >= threshold_percent;
  cut.time_h = rows[end].time_h;
  cut.product_kg = rows[end].product_kg;
  cut.product_mean_percent = rows[end].product_mean_percent;
  return cut;
}

std::vector<Cut> CutTable(const std::vector<BatchRow>& rows, long double userthreshold_percent) {
  std::vector<Cut> table;
  for (const long double threshold : kCutThresholds) table.push_back(CutAt(rows, threshold));
  table.push_back(CutAt(rows, userthreshold_percent));
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
