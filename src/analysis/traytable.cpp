#include "analysis/traytable.h"

#include <sstream>

#include "analysis/csv.h"
#include "model/properties.h"

namespace analysis {

std::string TrayTableCsv(const model::ColumnResult& column) {
  std::ostringstream csv;
  csv << kTrayTableHeader << "\r\n";
  const model::Strength still = column.inputs.stillstrength;
  const long double stillvapour = model::vapourstrength(still.Fraction());
  WriteCsvRow(csv, {"0", ShortestText(still.Percent()),
                    ShortestText(model::Strength::FromFraction(stillvapour).Percent()),
                    ShortestText(model::temperature(stillvapour)), ""});
  for (int tray = 1; tray <= column.inputs.traycount; ++tray) {
    const model::TrayState& state = column.Tray(tray);
    WriteCsvRow(csv, {std::to_string(tray), ShortestText(state.liquid.Percent()),
                      ShortestText(state.vapour.Percent()), ShortestText(state.temperature),
                      ShortestText(state.returnflow)});
  }
  return csv.str();
}

}  // namespace analysis
