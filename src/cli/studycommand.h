#pragma once

// The study and the inverse questions on the command line. Numbers typed
// after the options and numbers written use "." whatever the locale; the
// power, still strength, tray count and reflux ratio texts are read as the
// window's fields read them, by the caller.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/inverse.h"
#include "analysis/study.h"

namespace cli {

// The tray list and reflux range of --study and --study-chart.
struct StudyOptions {
  std::vector<int> traycounts = analysis::Study{}.traycounts;
  analysis::RefluxRange reflux;
};

// An argument of the study's or a search's options that the command line
// refuses; what() is the message.
class EArgumentError : public runtime::Exception {
 public:
  using Exception::Exception;
};

// A number written with "." ("0", "2.5", "-1e3"), the whole text. Throws
// EArgumentError naming the text otherwise.
long double ParseDotNumber(std::string_view text);

// The PERCENT of --need, read by ParseDotNumber: a strength above 0 and at
// most 100. Throws EArgumentError.
long double ParseTargetPercent(std::string_view text);

// Reads "[--trays LIST] [--reflux FROM TO POINTS]", each at most once and in
// either order, from arguments[first] on. LIST is one argument read by
// ParseTrayList; POINTS is a whole number. Throws EArgumentError, or
// EStudyInputError for a list or range the study refuses.
StudyOptions ParseStudyOptions(const std::vector<std::string>& arguments, std::size_t first);

// The header row "trays,reflux_ratio,top_percent,product_g_per_h,
// efficiency_percent,error".
void WriteStudyCsvHeader(std::ostream& out);
// One row per point, in the order of the reflux ratios; a failed point has
// empty numbers and its message in the error field.
void WriteStudyCsvLine(std::ostream& out, const analysis::StudyLine& line);
// The header, then the lines in order.
void WriteStudyCsv(std::ostream& out, const std::vector<analysis::StudyLine>& lines);

// The two lines --need prints: "reflux_ratio X" or "reflux_ratio
// unreachable", then "trays K" or "trays unreachable".
std::string NeedText(const analysis::RefluxAnswer& reflux, const analysis::TrayAnswer& trays);

}  // namespace cli
