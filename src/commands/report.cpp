#include "commands/report.h"

#include <string>
#include <string_view>

#include "model/properties.h"
#include "numtext/numtext.h"
#include "runtime/fpstatus.h"

namespace commands {
namespace {

// Evaluates `compute` with the floating-point status cleared before and
// checked after, so a fault raises its error before the value is shown.
template <class Compute>
long double Checked(Compute compute) {
  runtime::ClearFloatFaults();
  const long double value = compute();
  runtime::CheckFloatFaults(value);
  return value;
}

// A series point is a 64-bit float: narrowing a value beyond its range is an
// overflow, reported like any other fault.
double SeriesValue(long double value) {
  runtime::ClearFloatFaults();
  volatile double narrowed = static_cast<double>(value);
  runtime::CheckFloatFaults();
  return narrowed;
}

std::string Line(std::string_view label, std::string_view pattern, long double value,
                 std::string_view unit) {
  std::string line(label);
  line += numtext::FormatFloat(pattern, value);
  line += unit;
  return line;
}

}  // namespace

void WriteReport(const model::TColumn& column, const ReportSwitches& switches,
                 TListSink& report, TSeriesSink& series) {
  const model::ColumnInputs& in = column.inputs;
  const long double xs = in.stillstrength;

  report.InsertAtTop(Line("крепость флегмы:      ", "0", Checked([&] { return xs * 100; }), " %"));
  const long double stillvapourpercent =
      Checked([&] { return model::vapourstrength(xs) * 100; });
  report.InsertAtTop(Line("крепость пара  :   ", "00.00", stillvapourpercent, " %"));
  report.InsertAtTop(Line("выход массы :       ", "0", column.stillvapour, " г/ч"));
  report.InsertAtTop(Line("выход этанола  :   ", "0", column.stillethanol, " г/ч"));
  report.InsertAtTop("-- куб  --");
  report.InsertAtTop(" ");

  series.Clear();
  series.Add(SeriesValue(stillvapourpercent));

  for (int i = 1; i <= in.traycount; ++i) {
    report.InsertAtTop("---------");
    if (switches.trayreturn) {
      report.InsertAtTop(Line("возврат с тарелки   ", "0", column.trayreturn[i], " г/ч"));
    }
    if (switches.trayliquid) {
      report.InsertAtTop(Line("крепость флегмы        ", "00.00",
                              Checked([&] { return column.trayliquid[i] * 100; }), " %"));
    }
    const auto vapourpercent = [&] { return column.trayvapour[i] * 100; };
    if (switches.trayvapour) {
      report.InsertAtTop(Line("крепость пара       ", "00.00", Checked(vapourpercent), " %"));
    }
    if (switches.traytemperature) {
      report.InsertAtTop(Line("Температура          ", "00.0", column.traytemperature[i], "  C"));
    }
    report.InsertAtTop("--  ТТ  " + numtext::IntToStr(i) + "--");
    report.InsertAtTop(" ");
    series.Add(SeriesValue(Checked(vapourpercent)));
  }

  const long double d = column.product;
  report.InsertAtTop("---------");
  report.InsertAtTop(Line("Отбор продукта:    ", "0", d, " г/ч"));
  report.InsertAtTop(Line("    Возврат    :    ", "0",
                          Checked([&] { return d * in.refluxplusone - d; }), " г/ч"));
  report.InsertAtTop(Line("Крепость отбора :   ", "00.00",
                          Checked([&] { return column.topstrength * 100; }), " %"));
  report.InsertAtTop("--Дефлег-ор--");
  report.InsertAtTop(" ");
}

void WriteStillOutput(const model::TColumn& column, TListSink& stillOutput) {
  stillOutput.Clear();
  stillOutput.Append("КПД по этанолу (%)   :");
  const long double efficiency =
      Checked([&] { return column.productethanol / column.stillethanol * 100; });
  stillOutput.Append(numtext::FormatFloat("0.0", efficiency));
}

std::string ReportText(const std::vector<std::string>& report,
                       const std::vector<std::string>& stillOutput) {
  std::string text;
  for (const std::string& line : report) text += line + '\n';
  text += '\n';
  for (const std::string& line : stillOutput) text += line + '\n';
  return text;
}

}  // namespace commands
