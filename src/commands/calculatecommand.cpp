#include "commands/calculatecommand.h"

#include <utility>

#include "numtext/numtext.h"

namespace commands {

model::ColumnInputs ParseInputs(const InputTexts& texts) {
  model::ColumnInputs inputs;
  inputs.power = numtext::StrToInt(texts.power);
  inputs.stillstrength = model::Strength::FromPercent(numtext::StrToFloat(texts.strength));
  inputs.traycount = numtext::StrToInt(texts.trays);
  inputs.reflux = model::RefluxRatio::FromRatio(numtext::StrToFloat(texts.reflux));
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

void CalculateCommand(const InputTexts& texts, const ReportSwitches& switches, TListSink& report,
                      TListSink& stillOutput, TSeriesSink& series,
                      const std::function<void(const model::ColumnResult&)>& reportWritten) {
  report.Clear();
  const model::ColumnResult result = model::Calculate(ParseInputs(texts));
  WriteReport(result, switches, report, series);
  if (reportWritten) reportWritten(result);
  WriteStillOutput(result, stillOutput);
}

}  // namespace commands
