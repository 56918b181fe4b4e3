#include "cli/commandline.h"

#include <algorithm>
#include <exception>
#include <sstream>

#include "analysis/batchtable.h"
#include "analysis/studyrun.h"
#include "analysis/traytable.h"
#include "cli/progressline.h"
#include "commands/errortext.h"
#include "commands/savefile.h"
#include "model/column.h"
#include "runtime/errors.h"

namespace cli {
namespace {

CommandLine Error(std::string message) {
  CommandLine line;
  line.mode = CommandLine::Mode::kError;
  line.error = std::move(message);
  return line;
}

// Sets the switch an option names; false for an argument that names none.
bool Untick(std::string_view option, commands::ReportSwitches& switches) {
  if (option == "--no-return") {
    switches.trayreturn = false;
  } else if (option == "--no-liquid") {
    switches.trayliquid = false;
  } else if (option == "--no-vapour") {
    switches.trayvapour = false;
  } else if (option == "--no-temperature") {
    switches.traytemperature = false;
  } else {
    return false;
  }
  return true;
}

commands::InputTexts TextsFrom(const std::vector<std::string>& arguments, std::size_t first) {
  return {arguments[first], arguments[first + 1], arguments[first + 2], arguments[first + 3]};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  if (arguments.empty()) return line;

  const std::string& option = arguments[0];
  const std::size_t rest = arguments.size() - 1;
  if (!option.starts_with("-")) return Error("unexpected argument '" + runtime::Echoed(option) + "'");
  if (option == "--help" || option == "-h") {
    if (rest != 0) return Error(option + " takes no arguments");
    line.mode = CommandLine::Mode::kHelp;
  } else if (option == "--version") {
    if (rest != 0) return Error("--version takes no arguments");
    line.mode = CommandLine::Mode::kVersion;
  } else if (option == "--report") {
    if (rest < 4) return Error("--report needs four texts: POWER STRENGTH TRAYS REFLUX");
    line.mode = CommandLine::Mode::kReport;
    line.texts = TextsFrom(arguments, 1);
    line.textsGiven = true;
    for (std::size_t i = 5; i < arguments.size(); ++i) {
      if (!Untick(arguments[i], line.switches)) {
        return Error("unknown report switch '" + runtime::Echoed(arguments[i]) + "'");
      }
      if (std::find(arguments.begin() + 5, arguments.begin() + i, arguments[i]) != arguments.begin() + i) {
        return Error(arguments[i] + " given twice");
      }
    }
  } else if (option == "--screenshot") {
    if (rest != 1 && rest != 5) {
      return Error("--screenshot needs FILE.png, optionally followed by POWER STRENGTH TRAYS REFLUX");
    }
    line.mode = CommandLine::Mode::kScreenshot;
    line.file = arguments[1];
    if (rest == 5) {
      line.texts = TextsFrom(arguments, 2);
      line.textsGiven = true;
    }
  } else if (option == "--chart" || option == "--xy-chart") {
    if (rest != 5) return Error(option + " needs FILE.png POWER STRENGTH TRAYS REFLUX");
    line.mode = option == "--chart" ? CommandLine::Mode::kChart : CommandLine::Mode::kXyChart;
    line.file = arguments[1];
    line.texts = TextsFrom(arguments, 2);
    line.textsGiven = true;
  } else if (option == "--csv") {
    if (rest != 5) return Error("--csv needs FILE.csv POWER STRENGTH TRAYS REFLUX");
    line.mode = CommandLine::Mode::kCsv;
    line.file = arguments[1];
    line.texts = TextsFrom(arguments, 2);
    line.textsGiven = true;
  } else if (option == "--study" || option == "--study-chart") {
    if (rest < 3) return Error(option + " needs FILE POWER STRENGTH [--trays LIST] [--reflux FROM TO POINTS]");
    line.mode = option == "--study" ? CommandLine::Mode::kStudy : CommandLine::Mode::kStudyChart;
    line.file = arguments[1];
    line.texts.power = arguments[2];
    line.texts.strength = arguments[3];
    line.textsGiven = true;
    try {
      line.study = cli::ParseStudyOptions(arguments, 4);
    } catch (const runtime::Exception& error) {
      return Error(commands::ErrorMessage(error));
    }
  } else if (option == "--need") {
    if (rest != 5) return Error("--need needs PERCENT POWER STRENGTH TRAYS REFLUX");
    line.mode = CommandLine::Mode::kNeed;
    try {
      line.target = cli::ParseTargetPercent(arguments[1]);
    } catch (const EArgumentError& error) {
      return Error(error.what());
    }
    line.texts = TextsFrom(arguments, 2);
    line.textsGiven = true;
  } else if (option == "--batch") {
    if (rest < 6) return Error("--batch needs FILE CHARGE_KG STRENGTH POWER TRAYS REFLUX");
    line.mode = CommandLine::Mode::kBatch;
    line.file = arguments[1];
    commands::BatchTexts& batch = line.batch;
    batch.charge = arguments[2];
    batch.strength = arguments[3];
    batch.power = arguments[4];
    batch.trays = arguments[5];
    batch.reflux = arguments[6];
    const std::pair<const char*, std::optional<std::string>*> settings[] = {
        {"--step", &batch.step}, {"--stop-top", &batch.stopTop},
        {"--stop-still", &batch.stopStill}, {"--hours", &batch.hours}};
    for (std::size_t at = 7; at < arguments.size(); at += 2) {
      const auto setting = std::find_if(std::begin(settings), std::end(settings),
                                        [&](const auto& s) { return arguments[at] == s.first; });
      if (setting == std::end(settings)) {
        return Error("unknown batch option '" + runtime::Echoed(arguments[at]) + "'");
      }
      if (*setting->second) return Error(arguments[at] + " given twice");
      if (at + 1 >= arguments.size()) return Error(arguments[at] + " needs a value");
      *setting->second = arguments[at + 1];
    }
  } else if (option == "--convert") {
    if (rest != 2) return Error("--convert needs VALUE UNIT");
    line.mode = CommandLine::Mode::kConvert;
    const std::string wrong = ParseConvertArguments(arguments[1], arguments[2], line.convert);
    if (!wrong.empty()) return Error(wrong);
  } else if (option == "--info-screenshot") {
    if (rest != 1) return Error("--info-screenshot needs FILE.png");
    line.mode = CommandLine::Mode::kInfoScreenshot;
    line.file = arguments[1];
  } else {
    return Error("unknown option '" + runtime::Echoed(option) + "'");
  }
  // An option where FILE belongs is a slip, such as a forgotten FILE: it
  // would otherwise become the name of the file written.
  if (line.file.starts_with("--")) {
    return Error(option + " needs FILE first, not the option '" + runtime::Echoed(line.file) + "'");
  }
  return line;
}

std::string HelpText() {
  return R"(Usage: stillwise [OPTION [ARGUMENT...]]

Stillwise shows how an ethanol-water rectification column behaves.
Without options it opens its window.

  --report POWER STRENGTH TRAYS REFLUX [--no-return] [--no-liquid]
           [--no-vapour] [--no-temperature]
      Calculates as if the four texts were typed into the window's fields
      (power in W, still strength in per cent by mass, number of trays,
      reflux ratio; numbers use the locale's decimal separator) and prints
      the report from top to bottom, an empty line and the ethanol
      efficiency. The switches leave out the trays' return-flow, liquid
      strength, vapour strength and temperature lines. On an error it prints
      what was written until then, the message to standard error, and exits
      with status 1.

  --screenshot FILE.png [POWER STRENGTH TRAYS REFLUX]
      Types the texts into the fields when given, clicks "Расчет" and saves
      a picture of the main window. No display is needed.

  --chart FILE.png|FILE.svg POWER STRENGTH TRAYS REFLUX
      Types the texts into the fields, clicks "Расчет" and saves the chart
      alone, 296 x 473 pixels as the window shows it: the vapour strength
      up the column and the legend of the points' strengths. A name ending
      in .svg gives a vector picture. No display is needed.

  --xy-chart FILE.png|FILE.svg POWER STRENGTH TRAYS REFLUX
      Types the texts into the fields, clicks "Расчет" and saves a picture
      of the "Диаграмма x–y" window, 820 x 640 pixels; a name ending in .svg
      gives the diagram alone as a vector picture. No display is needed.

  --csv FILE.csv POWER STRENGTH TRAYS REFLUX
      Calculates as --report does and writes the tray table as CSV: the
      still as stage 0, then trays 1 to N, with liquid and vapour strength
      in per cent, temperature and return flow; "." as the decimal point.
      FILE "-" is standard output.

  --study FILE.csv POWER STRENGTH [--trays LIST] [--reflux FROM TO POINTS]
      Calculates the column for every tray count of LIST (one argument:
      "1 2 5" or "1,2,5"; default "1 2 5 10 20 40") at POINTS reflux ratios
      from FROM to TO (default 0 20 101) and writes the rows
      trays,reflux_ratio,top_percent,product_g_per_h,efficiency_percent,error,
      top_percent_by_volume
      FILE "-" is standard output. FROM and TO are written with ".".

  --study-chart FILE.png|FILE.svg POWER STRENGTH [the same options]
      Saves the chart of the study's top strength against the reflux ratio,
      one line per tray count. No display is needed.

  --need PERCENT POWER STRENGTH TRAYS REFLUX
      Prints "reflux_ratio X", the least reflux ratio from 0 to 20 (to
      0.01) that reaches PERCENT at TRAYS, then "trays K", the least tray
      count from 1 to 100 that reaches it at REFLUX; "unreachable" where
      none does. PERCENT is written with ".".

  --batch FILE.csv CHARGE_KG STRENGTH POWER TRAYS REFLUX [--step MIN]
          [--stop-top PCT] [--stop-still PCT] [--hours H]
      Distils one charge of the still (CHARGE_KG at STRENGTH per cent by
      mass) over time, the column calculated at the still's strength of
      each moment, and writes the rows
      time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,
      product_mean_percent,still_percent_by_volume,top_percent_by_volume,
      product_litres
      from time 0, one every --step minutes (default 1); strengths by
      volume and litres are at 20 °C. It stops when the top strength falls
      below --stop-top (default 0: never), the still's strength below
      --stop-still (default 0.1), after --hours (default 24), or when the
      still is empty, with a last row at that moment. All texts are read
      as typed into the window's fields, with the locale's decimal
      separator. FILE "-" is standard output.

  --convert VALUE UNIT
      Prints the strength VALUE, given in UNIT (mass: per cent by mass,
      volume: per cent by volume at 20 °C, mole: per cent by mole, density:
      kg/m3 at 20 °C), in all four, one named line each: mass_percent,
      volume_percent, mole_percent, density_kg_per_m3. VALUE is written with
      ".". A strength no mixture has prints why and exits with status 1.

  --info-screenshot FILE.png
      Saves a picture of the information window. No display is needed.

  -h, --help
      Shows this text.

  --version
      Shows the program's version.

While --study, --study-chart and --batch run, a line on standard error
shows how far they have come when it is a terminal.

Exit status: 0 on success; 1 when a calculation fails, a text is not a
number, or a file or standard output cannot be written (a full disk, a
closed output, a reader that went away as "| head" does); 2 for a malformed
command line, an option given twice, an option where FILE belongs, or a
value written with "." that is not a number or out of its range. With
status 1 no file is written and an existing one stays as it was; only
--report prints the report up to the error, as the window shows it.
)";
}

std::string VersionText() { return std::string("stillwise ") + STILLWISE_VERSION + "\n"; }

bool WriteResult(const std::string& file, std::string_view bytes, std::ostream& out,
                 std::ostream& err) {
  if (file == "-") {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (out) return true;
    err << "stillwise: cannot write to standard output\n";
    return false;
  }
  const std::string reason = commands::SaveFileBytes(file, bytes);
  if (reason.empty()) return true;
  err << "stillwise: cannot write '" << file << "': " << reason << "\n";
  return false;
}

int RunCsv(const commands::InputTexts& texts, const std::string& file, std::ostream& out, std::ostream& err) {
  commands::TLineList report;
  commands::TLineList stillOutput;
  commands::TPointList series;
  model::ColumnResult result;
  try {
    commands::CalculateCommand(texts, {}, report, stillOutput, series,
                               [&result](const model::ColumnResult& written) { result = written; });
  } catch (const std::exception& e) {
    err << commands::ErrorBoxText(e.what()) << '\n';
    return 1;
  }
  return WriteResult(file, analysis::TrayTableCsv(result), out, err) ? 0 : 1;
}

analysis::Study StudyOf(const CommandLine& line) {
  // A study has no tray-count or reflux text; those keep texts that parse.
  return commands::StudyOf(commands::ParseInputs(line.texts), line.study.traycounts, line.study.reflux);
}

std::vector<analysis::StudyLine> StudyLines(const analysis::Study& study, std::ostream* progress) {
  TProgressLine shown(progress);
  const auto lines = static_cast<long double>(study.traycounts.size());
  return analysis::RunStudy(study, analysis::Workers(), [&](int done) { shown.Show(done / lines); });
}

int RunStudyCsv(const CommandLine& line, std::ostream& out, std::ostream& err, std::ostream* progress) {
  analysis::Study study;
  try {
    study = StudyOf(line);
  } catch (const std::exception& e) {
    err << commands::ErrorBoxText(commands::ErrorMessage(e)) << '\n';
    return 1;
  }
  std::ostringstream csv;
  cli::WriteStudyCsv(csv, StudyLines(study, progress));
  return WriteResult(line.file, csv.str(), out, err) ? 0 : 1;
}

int RunNeed(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string answers;
  try {
    // Over the default reflux range at the column's tray count, and over
    // every tray count at its reflux ratio.
    const model::ColumnInputs inputs = commands::ParseInputs(line.texts);
    const std::optional<analysis::RefluxAnswer> reflux =
        analysis::LeastRefluxRatio(inputs, analysis::RefluxRange{}, line.target);
    const std::optional<analysis::TrayAnswer> trays = analysis::LeastTrayCount(inputs, line.target);
    answers = NeedText(*reflux, *trays);
  } catch (const std::exception& e) {
    err << commands::ErrorBoxText(commands::ErrorMessage(e)) << '\n';
    return 1;
  }
  return WriteResult("-", answers, out, err) ? 0 : 1;
}

int RunBatchCsv(const CommandLine& line, std::ostream& out, std::ostream& err, std::ostream* progress) {
  analysis::BatchRun run;
  try {
    const analysis::BatchInputs inputs = commands::ParseBatchTexts(line.batch);
    TProgressLine shown(progress);
    run = analysis::RunBatch(inputs,
                             [&](const analysis::BatchRow& row) { shown.Show(commands::RunShare(inputs, row)); });
  } catch (const std::exception& e) {
    err << commands::ErrorBoxText(commands::ErrorMessage(e)) << '\n';
    return 1;
  }
  // The rows before a failed step are not written: a status of 1 always
  // leaves the file as it was.
  if (run.stop == analysis::BatchStop::kFailed) {
    err << commands::ErrorBoxText(run.failure) << '\n';
    return 1;
  }
  std::ostringstream csv;
  analysis::WriteBatchCsv(csv, run.rows);
  return WriteResult(line.file, csv.str(), out, err) ? 0 : 1;
}

int RunReport(const commands::InputTexts& texts, const commands::ReportSwitches& switches, std::ostream& out,
              std::ostream& err) {
  commands::TLineList report;
  commands::TLineList stillOutput;
  commands::TPointList series;
  bool failed = false;
  std::string error;
  try {
    commands::CalculateCommand(texts, switches, report, stillOutput, series);
  } catch (const std::exception& e) {
    failed = true;
    error = commands::ErrorBoxText(e.what());
  }
  const bool written = WriteResult("-", commands::ReportText({report.lines.begin(), report.lines.end()},
                                                  {stillOutput.lines.begin(), stillOutput.lines.end()}),
                                   out, err);
  if (failed) err << error << '\n';
  return written && !failed ? 0 : 1;
}

}  // namespace cli
