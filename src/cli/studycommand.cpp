#include "cli/studycommand.h"

#include <charconv>

#include "analysis/csv.h"
#include "analysis/volumefields.h"

namespace cli {
namespace {

int ParseWholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const std::from_chars_result read = std::from_chars(text.data(), end, value);
  if (read.ec != std::errc() || read.ptr != end) {
    throw EArgumentError("'" + runtime::Echoed(text) + "' is not a whole number");
  }
  return value;
}

}  // namespace

long double ParseDotNumber(std::string_view text) {
  long double value = 0.0L;
  const char* end = text.data() + text.size();
  const std::from_chars_result read = std::from_chars(text.data(), end, value);
  if (read.ec != std::errc() || read.ptr != end) {
    throw EArgumentError("'" + runtime::Echoed(text) + "' is not a number");
  }
  return value;
}

long double ParseTargetPercent(std::string_view text) {
  const long double percent = ParseDotNumber(text);
  // Written so that nan fails it too.
  if (!(percent > 0.0L && percent <= 100.0L)) {
    throw EArgumentError("Нужная крепость должна быть больше 0 и не больше 100 %");
  }
  return percent;
}

StudyOptions ParseStudyOptions(const std::vector<std::string>& arguments, std::size_t first) {
  StudyOptions options;
  bool traysgiven = false;
  bool refluxgiven = false;
  std::size_t at = first;
  while (at < arguments.size()) {
    const std::string& option = arguments[at];
    const std::size_t rest = arguments.size() - at - 1;
    if (option == "--trays") {
      if (traysgiven) throw EArgumentError("--trays given twice");
      if (rest < 1) throw EArgumentError("--trays needs LIST");
      options.traycounts = analysis::ParseTrayList(arguments[at + 1]);
      traysgiven = true;
      at += 2;
    } else if (option == "--reflux") {
      if (refluxgiven) throw EArgumentError("--reflux given twice");
      if (rest < 3) throw EArgumentError("--reflux needs FROM TO POINTS");
      options.reflux = analysis::RefluxRange{ParseDotNumber(arguments[at + 1]),
                                   ParseDotNumber(arguments[at + 2]),
                                   ParseWholeNumber(arguments[at + 3])};
      analysis::CheckRefluxRange(options.reflux);
      refluxgiven = true;
      at += 4;
    } else {
      throw EArgumentError("unknown study option '" + runtime::Echoed(option) + "'");
    }
  }
  return options;
}

void WriteStudyCsvHeader(std::ostream& out) {
  analysis::WriteCsvRow(out, {"trays", "reflux_ratio", "top_percent", "product_g_per_h",
                    "efficiency_percent", "error", "top_percent_by_volume"});
}

void WriteStudyCsvLine(std::ostream& out, const analysis::StudyLine& line) {
  const std::string trays = std::to_string(line.traycount);
  for (const analysis::StudyPoint& point : line.points) {
    if (point.Failed()) {
      analysis::WriteCsvRow(out, {trays, analysis::ShortestText(point.refluxratio), "", "", "", point.error, ""});
    } else {
      analysis::WriteCsvRow(out, {trays, analysis::ShortestText(point.refluxratio), analysis::ShortestText(point.toppercent),
                        analysis::ShortestText(point.product), analysis::ShortestText(point.efficiencypercent), "",
                        analysis::VolumePercentField(point.toppercent)});
    }
  }
}

void WriteStudyCsv(std::ostream& out, const std::vector<analysis::StudyLine>& lines) {
  WriteStudyCsvHeader(out);
  for (const analysis::StudyLine& line : lines) WriteStudyCsvLine(out, line);
}

std::string NeedText(const analysis::RefluxAnswer& reflux, const analysis::TrayAnswer& trays) {
  std::string text = "reflux_ratio ";
  text += reflux.reached ? analysis::ShortestText(reflux.refluxratio) : "unreachable";
  text += "\ntrays ";
  text += trays.reached ? std::to_string(trays.traycount) : "unreachable";
  text += "\n";
  return text;
}

}  // namespace cli
