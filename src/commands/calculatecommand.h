#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/study.h"
#include "commands/report.h"
#include "commands/sinks.h"
#include "model/column.h"

namespace commands {

// The texts of the four input fields, as typed.
struct InputTexts {
  std::string power = "1000";   // "Мощность", W
  std::string strength = "1";   // "Крепость в кубе", per cent by mass
  std::string trays = "20";     // "Кол-во тарелок"
  std::string reflux = "15";    // "ФЧ", reflux ratio
};

// Parses the four texts in field order, stopping at the first that fails
// with its EConvertError: power and trays as integers, the strength in per
// cent, the reflux ratio.
model::ColumnInputs ParseInputs(const InputTexts& texts);

// The study of a column with the power and still strength of `inputs` over
// these tray counts and reflux ratios, as the study window and the command
// line both make it. Throws EStudyInputError as analysis::CheckStudy does.
analysis::Study StudyOf(const model::ColumnInputs& inputs, std::vector<int> traycounts,
                        const analysis::RefluxRange& reflux);

// The calculate command: empties the report, parses the inputs, runs the
// column calculation and writes the report, the series and the still output.
// Any error ends it where it arises and leaves the sinks as they stand.
// `reportWritten`, when given, is called with the calculation once the report
// and the series are complete, before the still output is written.
void CalculateCommand(
    const InputTexts& texts, const ReportSwitches& switches, TListSink& report,
    TListSink& stillOutput, TSeriesSink& series,
    const std::function<void(const model::ColumnResult&)>& reportWritten = {});

}  // namespace commands
