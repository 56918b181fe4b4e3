#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/study.h"
#include "cli/convertcommand.h"
#include "cli/studycommand.h"
#include "commands/batchtexts.h"
#include "commands/calculatecommand.h"
#include "commands/report.h"

namespace cli {

// What the program was asked to do on its command line.
struct CommandLine {
  enum class Mode {
    kWindow,          // no option of ours: open the main window
    kReport,          // --report: print the report of one calculation
    kScreenshot,      // --screenshot: save a picture of the main window
    kInfoScreenshot,  // --info-screenshot: save a picture of the information window
    kChart,           // --chart: save a picture of the chart after a calculation
    kCsv,             // --csv: write the tray table of a calculation
    kStudy,           // --study: write a study's points as CSV
    kStudyChart,      // --study-chart: save the chart of a study
    kNeed,            // --need: what reflux ratio and tray count a strength needs
    kBatch,           // --batch: write a batch run's rows as CSV
    kHelp,            // -h, --help
    kVersion,         // --version
    kError,           // a malformed command line; `error` says why
    kConvert,         // --convert: a strength in its four units
    kXyChart,         // --xy-chart: save a picture of the x-y diagram window
  };

  Mode mode = Mode::kWindow;
  commands::InputTexts texts;
  bool textsGiven = false;
  commands::ReportSwitches switches;
  std::string file;
  // --study and --study-chart: the tray counts and reflux ratios.
  cli::StudyOptions study;
  // --need: the target top strength, per cent, as typed with ".".
  long double target = 0;
  // --batch: the charge and the run's settings, as typed.
  commands::BatchTexts batch;
  // --convert: the strength and its unit.
  ConvertRequest convert;
  std::string error;
};

// Reads the arguments after the program's name. An option is recognised
// only as the first argument; any other first argument is an error, as are
// an option given twice and an option where FILE belongs. Arguments echoed
// in an error are cut as runtime::Echoed cuts them.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string HelpText();
// "stillwise" and the version, one line.
std::string VersionText();

// Writes the bytes to the file, or to `out` for "-". False, after a message
// on `err` that names the file and the reason, when they cannot be written.
// Everything the modes print on standard output goes through here, so that
// a full disk, a closed output or a reader gone away fails every mode alike.
bool WriteResult(const std::string& file, std::string_view bytes, std::ostream& out,
                 std::ostream& err);

// Runs the calculate command on the texts without a window and writes the
// tray table as CSV to the file ("-": `out`). Any error of the calculation,
// the efficiency included, writes nothing, prints its message to `err` and
// gives status 1.
int RunCsv(const commands::InputTexts& texts, const std::string& file, std::ostream& out, std::ostream& err);

// The study the command line asks for: its power and strength texts read
// as the window's fields read them (EConvertError when one does not parse),
// with its tray counts and reflux ratios.
analysis::Study StudyOf(const CommandLine& line);

// Runs the study on the program's workers, showing how many of its lines are done on
// `progress` when given.
std::vector<analysis::StudyLine> StudyLines(const analysis::Study& study, std::ostream* progress);

// Runs the study of the power and strength texts (read as the window's
// fields) and writes its rows as CSV to the file ("-": `out`). A text that
// does not parse prints its message to `err` and gives status 1. `progress`,
// a terminal when given, shows how far the study has come.
int RunStudyCsv(const CommandLine& line, std::ostream& out, std::ostream& err,
                std::ostream* progress = nullptr);

// Prints the least reflux ratio and the least tray count that reach the
// target with the power, strength, trays and reflux texts, two lines.
int RunNeed(const CommandLine& line, std::ostream& out, std::ostream& err);

// Runs the batch of the texts and writes its rows as CSV to the file ("-":
// `out`). Texts that do not parse, inputs out of range and a calculation
// that fails part-way write nothing, print the message to `err` and give
// status 1. `progress`, a terminal when given, shows how far the run has come.
int RunBatchCsv(const CommandLine& line, std::ostream& out, std::ostream& err,
                std::ostream* progress = nullptr);

// Runs the calculate command on the texts without a window and prints the
// report top to bottom, an empty line and the still output. An error prints
// what was written until then, its message to `err`, and gives status 1.
int RunReport(const commands::InputTexts& texts, const commands::ReportSwitches& switches, std::ostream& out,
              std::ostream& err);

}  // namespace cli
