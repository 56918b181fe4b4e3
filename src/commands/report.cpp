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

void WriteReport(const model::ColumnResult& column, const ReportSwitches& switches,
                 TListSink& report, TSeriesSink& series) {
  const model::ColumnInputs& in = column.inputs;
  const model::Strength xs = in.stillstrength;

  report.InsertAtTop(Line("крепость флегмы:      ", "0", Checked([&] { return xs.Percent(); }), " %"));
  const long double stillvapourpercent = Checked(
      [&] { return model::Strength::FromFraction(model::vapourstrength(xs.Fraction())).Percent(); });
  report.InsertAtTop(Line("крепость пара  :   ", "00.00", stillvapourpercent, " %"));
  report.InsertAtTop(Line("выход массы :       ", "0", column.stillvapour, " г/ч"));
  report.InsertAtTop(Line("выход этанола  :   ", "0", column.stillethanol, " г/ч"));
  report.InsertAtTop("-- куб  --");
  report.InsertAtTop(" ");

  series.Clear();
  series.Add(SeriesValue(stillvapourpercent));

  for (int i = 1; i <= in.traycount; ++i) {
    const model::TrayState& tray = column.Tray(i);
    report.InsertAtTop("---------");
    if (switches.trayreturn) {
      report.InsertAtTop(Line("возврат с тарелки   ", "0", tray.returnflow, " г/ч"));
    }
    if (switches.trayliquid) {
      report.InsertAtTop(Line("крепость флегмы        ", "00.00",
                              Checked([&] { return tray.liquid.Percent(); }), " %"));
    }
    const auto vapourpercent = [&] { return tray.vapour.Percent(); };
    if (switches.trayvapour) {
      report.InsertAtTop(Line("крепость пара       ", "00.00", Checked(vapourpercent), " %"));
    }
    if (switches.traytemperature) {
      report.InsertAtTop(Line("Температура          ", "00.0", tray.temperature, "  C"));
    }
    report.InsertAtTop("--  ТТ  " + numtext::IntToStr(i) + "--");
    report.InsertAtTop(" ");
    series.Add(SeriesValue(Checked(vapourpercent)));
  }

  const long double d = column.product;
  report.InsertAtTop("---------");
  report.InsertAtTop(Line("Отбор продукта:    ", "0", d, " г/ч"));
  report.InsertAtTop(Line("    Возврат    :    ", "0",
                          Checked([&] { return in.reflux.RefluxFor(d); }), " г/ч"));
  report.InsertAtTop(Line("Крепость отбора :   ", "00.00",
                          Checked([&] { return column.topstrength.Percent(); }), " %"));
  report.InsertAtTop("--Дефлег-ор--");
  report.InsertAtTop(" ");
}

void WriteStillOutput(const model::ColumnResult& column, TListSink& stillOutput) {
  stillOutput.Clear();
  stillOutput.Append("КПД по этанолу (%)   :");
  const long double efficiency =
      Checked([&] { return column.EthanolEfficiencyPercent(); });
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
