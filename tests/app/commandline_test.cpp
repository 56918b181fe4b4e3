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
// the switches as R, L, V, T (return, liquid, vapour, temperature) or "-".
std::string Describe(const CommandLine& line) {
  static const char* const modes[] = {"window", "report", "screenshot", "info",
                                      "chart",  "help",   "error"};
  std::string text = modes[static_cast<int>(line.mode)];
  if (line.mode == CommandLine::Mode::kError && line.error.empty()) text += " without a message";
  if (!line.file.empty()) text += " " + line.file;
  const InputTexts& t = line.texts;
  if (line.textsGiven) text += " " + t.power + "|" + t.strength + "|" + t.trays + "|" + t.reflux;
  if (line.mode == CommandLine::Mode::kReport) {
    const ReportSwitches& s = line.switches;
    text += std::string(" ") + (s.trayreturn ? 'R' : '-') + (s.trayliquid ? 'L' : '-') +
            (s.trayvapour ? 'V' : '-') + (s.traytemperature ? 'T' : '-');
  }
  return text;
}

TEST(ParseCommandLine, ReadsEachOptionAndRefusesMalformedOnes) {
  const struct {
    std::vector<std::string> arguments;
    std::string parsed;
  } cases[] = {
      {{}, "window"},
      {{"-platform", "offscreen"}, "window"},
      {{"--help"}, "help"},
      {{"--help", "x"}, "error"},
      {{"--report", "1000", "1", "20", "15"}, "report 1000|1|20|15 RLVT"},
      {{"--report", "", "--no-liquid", " 20", "-1", "--no-vapour", "--no-return"},
       "report |--no-liquid| 20|-1 -L-T"},
      {{"--report", "1", "2", "3", "4", "--no-liquid", "--no-temperature"}, "report 1|2|3|4 R-V-"},
      {{"--report", "1000", "1", "20"}, "error"},
      {{"--report", "1", "2", "3", "4", "--no-flow"}, "error"},
      {{"--screenshot", "a.png"}, "screenshot a.png"},
      {{"--screenshot", "a.png", "500", "40", "10", "3"}, "screenshot a.png 500|40|10|3"},
      {{"--screenshot", "a.png", "1", "2"}, "error"},
      {{"--screenshot"}, "error"},
      {{"--chart", "c.png", "1", "2", "3", "4"}, "chart c.png 1|2|3|4"},
      {{"--chart", "c.png"}, "error"},
      {{"--info-screenshot", "i.png"}, "info i.png"},
      {{"--info-screenshot", "i.png", "x"}, "error"},
      {{"--reprot"}, "error"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ParseCommandLine(c.arguments)), c.parsed)
        << testing::PrintToString(c.arguments);
  }
}

TEST(RunReport, PrintsBothListsAndOnAnErrorWhatWasWrittenAndTheMessage) {
  const std::string stillAndCondenser =
      " \n--Дефлег-ор--\nКрепость отбора :   65.19 %\n    Возврат    :    %1 г/ч\n"
      "Отбор продукта:    %1 г/ч\n---------\n \n-- куб  --\nвыход этанола  :   %2 г/ч\n"
      "выход массы :       %3 г/ч\nкрепость пара  :   65.19 %\nкрепость флегмы:      20 %\n"
      "\nКПД по этанолу (%)   :\n";
  const auto report = [&](const char* product, const char* ethanol, const char* mass) {
    return QString::fromStdString(stillAndCondenser).arg(product, ethanol, mass).toStdString();
  };
  const struct {
    InputTexts texts;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {{"1000", "20", "0", "1"}, 0, report("1445", "1884", "2890") + "50.0\n", ""},
      {{"0", "20", "0", "1"}, 1, report("0", "0", "0"), "Invalid floating point operation.\n"},
      {{"1000", "1.5.", "20", "15"}, 1, "\n", "'1.5.' is not a valid floating point value.\n"},
  };
  numtext::SetLocaleSeparators(".", ",");
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReport(c.texts, {}, out, err), c.status) << c.texts.power;
    EXPECT_EQ(out.str(), c.out) << c.texts.power;
    EXPECT_EQ(err.str(), c.err) << c.texts.power;
  }
}

}  // namespace
}  // namespace app
