#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QString>
#include <sstream>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace app {
namespace {

// The parsed command line in one line: mode, file, texts and, for a report,
// "+" or "-" for the return, liquid, vapour and temperature switches.
std::string Describe(const CommandLine& line) {
  const char* const modes[] = {"window", "report", "screenshot", "info", "chart", "help", "version", "error"};
  std::string text = modes[static_cast<int>(line.mode)];
  if (line.mode == CommandLine::Mode::kError && line.error.empty()) text += " without a message";
  if (!line.file.empty()) text += " " + line.file;
  const InputTexts& t = line.texts;
  if (line.textsGiven) text += " " + t.power + "|" + t.strength + "|" + t.trays + "|" + t.reflux;
  const ReportSwitches& s = line.switches;
  if (line.mode == CommandLine::Mode::kReport) {
    for (bool on : {s.trayreturn, s.trayliquid, s.trayvapour, s.traytemperature}) text += on ? '+' : '-';
  }
  return text;
}

TEST(ParseCommandLine, ReadsEachOptionAndRefusesMalformedOnes) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "window"},
      {{"-platform", "offscreen"}, "error"},
      {{"stray"}, "error"},
      {{"--help"}, "help"},
      {{"-h"}, "help"},
      {{"--help", "x"}, "error"},
      {{"--version"}, "version"},
      {{"--version", "x"}, "error"},
      {{"-v"}, "error"},
      {{"--report", "1000", "1", "20", "15"}, "report 1000|1|20|15++++"},
      {{"--report", "", "--no-liquid", " 20", "-1", "--no-vapour", "--no-return"},
       "report |--no-liquid| 20|-1-+-+"},
      {{"--report", "1", "2", "3", "4", "--no-liquid", "--no-temperature"}, "report 1|2|3|4+-+-"},
      {{"--report", "1000", "1", "20"}, "error"},
      {{"--report", "1", "2", "3", "4", "--no-flow"}, "error"},
      {{"--screenshot", "a.png"}, "screenshot a.png"},
      {{"--screenshot", "a.png", "500", "40", "10", "3"}, "screenshot a.png 500|40|10|3"},
      {{"--screenshot", "a.png", "1", "2"}, "error"},
      {{"--chart", "c.png", "1", "2", "3", "4"}, "chart c.png 1|2|3|4"},
      {{"--chart", "c.png"}, "error"},
      {{"--info-screenshot", "i.png"}, "info i.png"},
      {{"--info-screenshot", "i.png", "x"}, "error"},
      {{"--reprot"}, "error"},
  };
  for (const auto& [arguments, parsed] : cases) {
    EXPECT_EQ(Describe(ParseCommandLine(arguments)), parsed) << testing::PrintToString(arguments);
  }
}

TEST(RunReport, PrintsBothListsOrWhatWasWrittenAndTheMessage) {
  // No trays: the condenser and the still, with the product, still ethanol and still vapour.
  const QString report =
      " \n--Дефлег-ор--\nКрепость отбора :   65.19 %\n    Возврат    :    %1 г/ч\n"
      "Отбор продукта:    %1 г/ч\n---------\n \n-- куб  --\nвыход этанола  :   %2 г/ч\n"
      "выход массы :       %3 г/ч\nкрепость пара  :   65.19 %\nкрепость флегмы:      20 %\n"
      "\nКПД по этанолу (%)   :\n";
  const struct {
    InputTexts texts;
    int status;
    QString out;
    std::string err;
  } cases[] = {
      {{"1000", "20", "0", "1"}, 0, report.arg("1445", "1884", "2890") + "50.0\n", ""},
      {{"0", "20", "0", "1"}, 1, report.arg("0", "0", "0"), "Invalid floating point operation.\n"},
      {{"1000", "1.5.", "20", "15"}, 1, "\n", "'1.5.' is not a valid floating point value.\n"},
  };
  numtext::SetLocaleSeparators(".", ",");
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReport(c.texts, {}, out, err), c.status) << c.texts.power;
    EXPECT_EQ(out.str(), c.out.toStdString()) << c.texts.power;
    EXPECT_EQ(err.str(), c.err) << c.texts.power;
  }
}

}  // namespace
}  // namespace app
