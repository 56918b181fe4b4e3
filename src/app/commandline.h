#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculatecommand.h"
#include "app/report.h"

namespace app {

// What the program was asked to do on its command line.
struct CommandLine {
  enum class Mode {
    kWindow,          // no option of ours: open the main window
    kReport,          // --report: print the report of one calculation
    kScreenshot,      // --screenshot: save a picture of the main window
    kInfoScreenshot,  // --info-screenshot: save a picture of the information window
    kChart,           // --chart: save a picture of the chart after a calculation
    kCsv,             // --csv: write the tray table of a calculation
    kHelp,            // -h, --help
    kVersion,         // --version
    kError,           // a malformed command line; `error` says why
  };

  Mode mode = Mode::kWindow;
  InputTexts texts;
  bool textsGiven = false;
  ReportSwitches switches;
  std::string file;
  std::string error;
};

// Reads the arguments after the program's name. An option is recognised
// only as the first argument; any other first argument is an error.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string HelpText();
// "stillwise" and the version, one line.
std::string VersionText();

// Writes the bytes to the file, or to `out` for "-". False, after a message
// on `err` that names the file and the reason, when they cannot be written.
bool WriteResult(const std::string& file, std::string_view bytes, std::ostream& out,
                 std::ostream& err);

// Runs the calculate command on the texts without a window and writes the
// tray table as CSV to the file ("-": `out`). An error before the table is
// complete writes nothing; any error prints its message to `err` and gives
// status 1, as for the report.
int RunCsv(const InputTexts& texts, const std::string& file, std::ostream& out, std::ostream& err);

// Runs the calculate command on the texts without a window and prints the
// report top to bottom, an empty line and the still output. An error prints
// what was written until then, its message to `err`, and gives status 1.
int RunReport(const InputTexts& texts, const ReportSwitches& switches, std::ostream& out,
              std::ostream& err);

}  // namespace app
