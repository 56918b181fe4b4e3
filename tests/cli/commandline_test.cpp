#include "cli/commandline.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <sstream>
#include <string>
#include <vector>

#include "support/scopedseparators.h"

namespace cli {
namespace {

// The parsed command line in one line: mode, file, texts and, for a report,
// "+" or "-" for the return, liquid, vapour and temperature switches.
std::string Describe(const CommandLine& line) {
  const char* const modes[] = {"window", "report", "screenshot", "info", "chart", "csv", "study",
                               "study chart", "need", "batch", "help", "version", "error"};
  std::string text = modes[static_cast<int>(line.mode)];
  if (line.mode == CommandLine::Mode::kError && line.error.empty()) text += " without a message";
  if (!line.file.empty()) text += " " + line.file;
  const commands::InputTexts& t = line.texts;
  if (line.textsGiven) text += " " + t.power + "|" + t.strength + "|" + t.trays + "|" + t.reflux;
  const commands::ReportSwitches& s = line.switches;
  if (line.mode == CommandLine::Mode::kReport) {
    for (bool on : {s.trayreturn, s.trayliquid, s.trayvapour, s.traytemperature}) text += on ? '+' : '-';
  }
  const commands::BatchTexts& b = line.batch;
  if (line.mode != CommandLine::Mode::kBatch) return text;
  for (const std::string& part : {b.charge, b.strength, b.power, b.trays, b.reflux, b.step.value_or(""),
                                  b.stopTop.value_or(""), b.stopStill.value_or(""), b.hours.value_or("")}) {
    text += " " + part;
  }
  return text;
}

TEST(ParseCommandLine, ReadsEachOptionAndRefusesMalformedOnes) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "window"}, {{"stray"}, "error"}, {{"-h"}, "help"}, {{"--version"}, "version"}, {{"--reprot"}, "error"},
      {{"--report", "1000", "1", "20", "15"}, "report 1000|1|20|15++++"},
      {{"--report", "", "--no-liquid", " 20", "-1", "--no-vapour", "--no-return"}, "report |--no-liquid| 20|-1-+-+"},
      {{"--report", "1", "2", "3", "4", "--no-liquid", "--no-temperature"}, "report 1|2|3|4+-+-"},
      {{"--report", "1000", "1", "20"}, "error"}, {{"--report", "1", "2", "3", "4", "--no-flow"}, "error"},
      {{"--screenshot", "a.png"}, "screenshot a.png"}, {{"--screenshot", "a.png", "1", "2"}, "error"},
      {{"--screenshot", "a.png", "500", "40", "10", "3"}, "screenshot a.png 500|40|10|3"},
      {{"--chart", "c.png", "1", "2", "3", "4"}, "chart c.png 1|2|3|4"}, {{"--chart", "c.png"}, "error"},
      {{"--csv", "-", "1", "2", "3", "4"}, "csv - 1|2|3|4"}, {{"--csv", "t.csv", "1", "2", "3"}, "error"},
      {{"--study", "-", "1000", "1"}, "study - 1000|1|20|15"}, {{"--study", "-", "1000"}, "error"},
      {{"--study", "-", "1000", "1", "--trays", "1 200"}, "error"},
      {{"--study-chart", "s.svg", "1000", "1", "--reflux", "1", "2", "5"}, "study chart s.svg 1000|1|20|15"},
      {{"--need", "94", "1000", "1", "20", "15"}, "need 1000|1|20|15"}, {{"--need", "94,5", "1", "2", "3", "4"}, "error"},
      {{"--batch", "-", "1", "2", "3", "4", "5", "--hours", "6", "--step", "7", "--stop-top", "8", "--stop-still", "9"},
       "batch - 1 2 3 4 5 7 8 9 6"},
      {{"--batch", "-", "1", "2", "3", "4"}, "error"}, {{"--batch", "-", "1", "2", "3", "4", "5", "--hours"}, "error"},
      {{"--batch", "-", "1", "2", "3", "4", "5", "--days", "2"}, "error"},
      {{"--info-screenshot", "i.png"}, "info i.png"}, {{"--info-screenshot", "i.png", "x"}, "error"},
  };
  for (const auto& [arguments, parsed] : cases) {
    EXPECT_EQ(Describe(ParseCommandLine(arguments)), parsed) << testing::PrintToString(arguments);
  }
}

// The program's promise for the default inputs, as --report prints it.
// Stored at the report's few digits, which every x86-64 processor computes alike.
TEST(RunReport, PrintsTheReportOfTheDefaultInputs) {
  const ScopedSeparators separators(".", ",");
  std::ostringstream out, err;
  EXPECT_EQ(RunReport({"1000", "1", "20", "15"}, {}, out, err), 0);
  const QStringList lines = QString::fromStdString(out.str()).split('\n');
  ASSERT_EQ(lines.size(), 12 + 7 * 20 + 4);
  EXPECT_EQ(lines.mid(0, 13), QStringList({" ", "--Дефлег-ор--", "Крепость отбора :   75.96 %", "    Возврат    :    3058 г/ч",
                                       "Отбор продукта:    204 г/ч", "---------", " ", "--  ТТ  20--",
                                       "Температура          82.5  C", "крепость пара       75.96 %",
                                       "крепость флегмы        46.08 %", "возврат с тарелки   3058 г/ч", "---------"}));
  EXPECT_EQ(lines.mid(6 + 7 * 19), QStringList({" ", "--  ТТ  1--", "Температура          99.3  C", "крепость пара       09.44 %",
                                       "крепость флегмы        01.00 %", "возврат с тарелки   1606 г/ч", "---------", " ",
                                       "-- куб  --", "выход этанола  :   171 г/ч", "выход массы :       1810 г/ч",
                                       "крепость пара  :   09.44 %", "крепость флегмы:      1 %", "",
                                       "КПД по этанолу (%)   :", "90.6", ""}));
}

TEST(RunConvert, PrintsFourNamedLinesOrRefuses) {
  std::ostringstream out, err;
  EXPECT_EQ(RunConvert(ParseCommandLine({"--convert", "40", "volume"}).convert, out, err), 0);
  EXPECT_EQ(out.str(),
            "mass_percent 33.2996\nvolume_percent 40.0000\nmole_percent 16.3341\ndensity_kg_per_m3 948.045\n");
  EXPECT_EQ(RunConvert(ParseCommandLine({"--convert", "-1", "mass"}).convert, out, err), 1);
  EXPECT_EQ(err.str(), "Крепость должна быть от 0 до 100 процентов.\n");
  for (const auto& malformed : {std::vector<std::string>{"--convert", "40"}, {"--convert", "4,0", "mass"},
                                {"--convert", "40", "proof"}}) {
    EXPECT_EQ(ParseCommandLine(malformed).mode, CommandLine::Mode::kError);
  }
}

}  // namespace
}  // namespace cli
