#include "commands/batchtexts.h"

#include <algorithm>

#include "numtext/numtext.h"

namespace commands {

analysis::BatchInputs ParseBatchTexts(const BatchTexts& texts) {
  analysis::BatchInputs inputs;
  inputs.chargekg = numtext::StrToFloat(texts.charge);
  inputs.chargepercent = numtext::StrToFloat(texts.strength);
  inputs.power = numtext::StrToInt(texts.power);
  inputs.traycount = numtext::StrToInt(texts.trays);
  inputs.refluxratio = numtext::StrToFloat(texts.reflux);
  const auto setting = [](const std::optional<std::string>& text, long double& value) {
    if (text) value = numtext::StrToFloat(*text);
  };
  setting(texts.step, inputs.stepminutes);
  setting(texts.stopTop, inputs.stoptoppercent);
  setting(texts.stopStill, inputs.stopstillpercent);
  setting(texts.hours, inputs.hours);
  analysis::ValidateBatchInputs(inputs);
  return inputs;
}

InputTexts TextsOf(const model::ColumnInputs& inputs) {
  return {numtext::IntToStr(inputs.power), numtext::FloatToStr(inputs.stillstrength.Percent()),
          numtext::IntToStr(inputs.traycount), numtext::FloatToStr(inputs.reflux.Ratio())};
}

std::string RunInputsText(const analysis::BatchInputs& inputs) {
  return "загрузка " + numtext::FloatToStr(inputs.chargekg) + " кг, " + numtext::FloatToStr(inputs.chargepercent) +
         " %масс, " + numtext::IntToStr(inputs.power) + " Вт, N = " + numtext::IntToStr(inputs.traycount) +
         ", ФЧ = " + numtext::FloatToStr(inputs.refluxratio);
}

long double RunShare(const analysis::BatchInputs& inputs, const analysis::BatchRow& row) {
  return inputs.hours > 0 ? std::min(1.0L, row.time_h / inputs.hours) : 0;
}

CutRow CutRowOf(const analysis::Cut& cut, const analysis::BatchRun& run, model::StrengthUnit unit) {
  const bool cutShort = run.stop == analysis::BatchStop::kCancelled || run.stop == analysis::BatchStop::kFailed;
  CutRow row;
  row.unfinished = cutShort && cut.heldtoend;
  const std::string bound = row.unfinished ? "≥ " : "";
  // Litres at 20 °C; none before there is product.
  const long double litres = cut.product_kg > 0 ? model::litresat20(cut.product_kg, cut.product_mean_percent) : 0;
  row.cells = {numtext::FormatFloat("0.##", model::StrengthIn(cut.threshold_percent, unit)),
               bound + numtext::FormatFloat("0.00", cut.time_h), bound + numtext::FormatFloat("0.000", cut.product_kg),
               bound + numtext::FormatFloat("0.000", litres),
               row.unfinished ? "—" : numtext::FormatFloat("0.00", model::StrengthIn(cut.product_mean_percent, unit))};
  return row;
}

}  // namespace commands
