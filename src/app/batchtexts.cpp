#include "app/batchtexts.h"

#include "numtext/numtext.h"

namespace app {

analysis::BatchInputs ParseBatchTexts(const BatchTexts& texts) {
  analysis::BatchInputs inputs;
  inputs.chargekg = numtext::StrToFloat(texts.charge);
  inputs.chargepercent = numtext::StrToFloat(texts.strength);
  inputs.power = numtext::StrToInt(texts.power);
  inputs.traycount = numtext::StrToInt(texts.trays);
  inputs.refluxratio = numtext::StrToFloat(texts.reflux);
  inputs.stepminutes = numtext::StrToFloat(texts.step);
  inputs.stoptoppercent = numtext::StrToFloat(texts.stopTop);
  inputs.stopstillpercent = numtext::StrToFloat(texts.stopStill);
  inputs.hours = numtext::StrToFloat(texts.hours);
  analysis::ValidateBatchInputs(inputs);
  return inputs;
}

}  // namespace app
