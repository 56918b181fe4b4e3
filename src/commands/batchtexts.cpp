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

}  // namespace commands
