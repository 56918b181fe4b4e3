#include "analysis/traytable.h"

#include <sstream>

#include "analysis/csv.h"
#include "model/properties.h"

namespace analysis {

std::string TrayTableCsv(const model::TColumn& column) {
  std::ostringstream csv;
  csv << kTrayTableHeader << "\r\n";
  const long double still = column.inputs.stillstrength;
  const long double stillvapour = model::vapourstrength(still);
  WriteCsvRow(csv, {"0", ShortestText(still * 100), ShortestText(stillvapour * 100),
                    ShortestText(model::temperature(stillvapour)), ""});
  for (int tray = 1; tray <= column.inputs.traycount; ++tray) {
    WriteCsvRow(csv, {std::to_string(tray), ShortestText(column.trayliquid[tray] * 100),
                      ShortestText(column.trayvapour[tray] * 100),
                      ShortestText(column.traytemperature[tray]),
                      ShortestText(column.trayreturn[tray])});
  }
  return csv.str();
}

}  // namespace analysis
