#pragma once

#include <string>
#include <vector>

#include "commands/sinks.h"
#include "model/column.h"

namespace commands {

// Which per-tray lines the report writes; the check boxes of the main window.
struct ReportSwitches {
  bool trayreturn = true;       // "возврат флегмы с тарелки"
  bool trayliquid = true;       // "крепость флегмы"
  bool trayvapour = true;       // "крепость пара"
  bool traytemperature = true;  // "температура"
};

// Writes the report of a finished calculation into `report` (every line
// inserted at the top, so the still ends up last) and the strength profile
// into `series`, still first. A floating-point fault ends it with the
// matching runtime error; what was written until then stays.
void WriteReport(const model::ColumnResult& column, const ReportSwitches& switches,
                 TListSink& report, TSeriesSink& series);

// Writes the ethanol efficiency: its label, then DE / Es in per cent. A still
// that gives off no ethanol ends it after the label with the division's fault.
void WriteStillOutput(const model::ColumnResult& column, TListSink& stillOutput);

// The report as one text: the report's lines top to bottom, an empty line,
// the still output's lines, each line ended by a line feed. It is what the
// command line prints and what the window saves and copies.
std::string ReportText(const std::vector<std::string>& report,
                       const std::vector<std::string>& stillOutput);

}  // namespace commands
