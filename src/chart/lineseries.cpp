#include "chart/lineseries.h"

namespace chart {

TLineSeries::TLineSeries() { LinePen.EndStyle = esRound; }

THorizLineSeries::THorizLineSeries() {
  MandatoryList = &XValues;
  PositionList = &YValues;
  YIsMandatory = false;
  ClipToAxisRange = false;
  XValues.Order = loNone;
  YValues.Order = loAscending;
}

}  // namespace chart
