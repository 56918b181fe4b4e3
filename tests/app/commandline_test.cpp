#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace app {
namespace {

// The parsed command line in one line: mode, file, texts and, for a report,
// "+" or "-" for the return, liquid, vapour and temperature switches.
std::string Describe(const CommandLine& line) {
  const char* const modes[] = {"window", "report", "screenshot", "info", "chart", "csv", "study", "study chart", "need", "batch", "help", "version", "error"};
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
      {{"--chart", "c.svg", "1", "2", "3", "4"}, "chart c.svg 1|2|3|4"},
      {{"--csv", "-", "1", "2", "3", "4"}, "csv - 1|2|3|4"},
      {{"--csv", "t.csv", "1", "2", "3"}, "error"},
      {{"--study", "-", "1000", "1"}, "study - 1000|1|20|15"},
      {{"--study", "-", "1000", "1", "--trays", "1,2", "--reflux", "0", "4", "3", "--trays", "3"}, "error"},
      {{"--study", "-", "1000", "1", "--trays", "1 200"}, "error"},
      {{"--study-chart", "s.svg", "1000", "1", "--reflux", "1", "2", "5"}, "study chart s.svg 1000|1|20|15"},
      {{"--study", "-", "1000"}, "error"},
      {{"--need", "94", "1000", "1", "20", "15"}, "need 1000|1|20|15"},
      {{"--need", "94,5", "1000", "1", "20", "15"}, "error"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "2", "--step", "0.5"}, "batch -"},
      {{"--batch", "-", "20", "10", "1000", "20"}, "error"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--hours"}, "error"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--days", "2"}, "error"},
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

TEST(RunStudyCsv, WritesOneRowPerPointOrTheMessage) {
  numtext::SetLocaleSeparators(".", ",");
  CommandLine line = ParseCommandLine({"--study", "-", "1000", "20", "--trays", "2", "--reflux", "-1", "1", "3"});
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunStudyCsv(line, out, err), 0);
  const QStringList rows = QString::fromStdString(out.str()).split("\r\n");
  ASSERT_EQ(rows.size(), 5);
  EXPECT_EQ(rows[0], "trays,reflux_ratio,top_percent,product_g_per_h,efficiency_percent,error,top_percent_by_volume");
  EXPECT_EQ(rows[1], "2,-1,,,,Floating point division by zero,");
  EXPECT_TRUE(rows[3].startsWith("2,1,81.22")) << rows[3].toStdString();
  line.texts.strength = "1,5";
  std::ostringstream none;
  EXPECT_EQ(RunStudyCsv(line, none, err), 1);
  EXPECT_EQ(none.str(), "");
  EXPECT_EQ(err.str(), "'1,5' is not a valid floating point value.\n");
}

// Rows from time 0, the charge as put in; bad texts and inputs give their
// message and status 1 with nothing written.
TEST(RunBatchCsv, WritesTheRowsOrTheMessage) {
  numtext::SetLocaleSeparators(",", " ");
  CommandLine line = ParseCommandLine({"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "0,05"});
  EXPECT_EQ(line.batch.hours, std::optional<std::string>("0,05"));
  EXPECT_EQ(line.batch.stopStill, std::nullopt);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunBatchCsv(line, out, err), 0) << err.str();
  const QStringList rows = QString::fromStdString(out.str()).split("\r\n");
  ASSERT_EQ(rows.size(), 1 + 4 + 1);
  EXPECT_TRUE(rows[0].startsWith("time_h,still_percent,still_kg,top_percent,product_g_per_h,product_kg,product_mean_percent"));
  EXPECT_TRUE(rows[1].startsWith("0,10,20,")) << rows[1].toStdString();
  EXPECT_EQ(rows[1].section(',', 5, 6), "0,0") << rows[1].toStdString();
  EXPECT_TRUE(rows[4].startsWith("0.05,")) << rows[4].toStdString();

  for (const auto& [charge, message] : {std::pair<std::string, std::string>{"0", "Загрузка куба должна быть больше 0 кг.\n"},
                                        {"2.5", "'2.5' is not a valid floating point value.\n"}}) {
    line.batch.charge = charge;
    std::ostringstream none;
    std::ostringstream refused;
    EXPECT_EQ(RunBatchCsv(line, none, refused), 1);
    EXPECT_EQ(none.str(), "");
    EXPECT_EQ(refused.str(), message);
  }
  numtext::SetLocaleSeparators(".", ",");
}

TEST(RunNeed, PrintsBothAnswers) {
  numtext::SetLocaleSeparators(".", ",");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunNeed(ParseCommandLine({"--need", "96", "1000", "5", "20", "3"}), out, err), 0);
  EXPECT_EQ(out.str(), "reflux_ratio unreachable\ntrays unreachable\n");
  EXPECT_EQ(RunNeed(ParseCommandLine({"--need", "80", "1000", "x", "20", "3"}), out, err), 1);
  EXPECT_EQ(err.str(), "'x' is not a valid floating point value.\n");
}

// The table goes out once the calculation has written its report; an
// error ends with the message and status 1 as for the report.
TEST(RunCsv, WritesTheTableOrNothingAndTheMessage) {
  const struct {
    InputTexts texts;
    int status;
    int rows;  // -1: nothing written
    std::string err;
  } cases[] = {
      {{"1000", "20", "2", "1"}, 0, 3, ""},
      {{"1000", "20", "0", "1"}, 0, 1, ""},
      {{"0", "20", "2", "1"}, 1, 3, "Invalid floating point operation.\n"},
      {{"1000", "20", "2", "-1"}, 1, -1, "Floating point division by zero.\n"},
      {{"1000", "2,5", "2", "1"}, 1, -1, "'2,5' is not a valid floating point value.\n"},
  };
  numtext::SetLocaleSeparators(".", ",");
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCsv(c.texts, "-", out, err), c.status) << c.texts.reflux;
    EXPECT_EQ(err.str(), c.err);
    const QStringList lines = QString::fromStdString(out.str()).split("\r\n");
    if (c.rows < 0) {
      EXPECT_EQ(out.str(), "");
      continue;
    }
    ASSERT_EQ(lines.size(), c.rows + 2) << out.str();
    EXPECT_EQ(lines[0], "stage,liquid_percent,vapour_percent,temperature_c,return_g_per_h");
    EXPECT_TRUE(lines[1].startsWith("0,20,65.18")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",")) << lines[1].toStdString();
    for (int stage = 1; stage <= c.rows - 1; ++stage) {
      EXPECT_EQ(lines[stage + 1].section(',', 0, 0), QString::number(stage));
      EXPECT_EQ(lines[stage + 1].count(','), 4);
    }
  }
}

}  // namespace
}  // namespace app
