#include "commands/calculatecommand.h"

#include <utility>

#include "numtext/numtext.h"

namespace commands {

model::ColumnInputs ParseInputs(const InputTexts& texts) {
  model::ColumnInputs inputs;
  inputs.power = numtext::StrToInt(texts.power);
  inputs.stillstrength = numtext::StrToFloat(texts.strength) / 100;
  inputs.traycount = numtext::StrToInt(texts.trays);
  inputs.refluxplusone = numtext::StrToFloat(texts.reflux) + 1;
  return inputs;
}

analysis::Study StudyOf(const model::ColumnInputs& inputs, std::vector<int> traycounts,
                        const analysis::RefluxRange& reflux) {
  analysis::Study study;
  study.power = inputs.power;
  study.stillstrength = inputs.stillstrength;
  study.traycounts = std::move(traycounts);
  study.reflux = reflux;
  analysis::CheckStudy(study);
  return study;
}

void CalculateCommand(const InputTexts& texts, const ReportSwitches& switches,
                      model::TColumn& column, TListSink& report, TListSink& stillOutput,
                      TSeriesSink& series, const std::function<void()>& reportWritten) {
  report.Clear();
  column.Calculate(ParseInputs(texts));
  WriteReport(column, switches, report, series);
  if (reportWritten) reportWritten();
  WriteStillOutput(column, stillOutput);
}

}  // namespace commands
