#include "app/commandline.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace app {
namespace {

using Mode = CommandLine::Mode;

struct ParseCase {
  const char* name;
  std::vector<std::string> arguments;
  Mode mode;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseModeTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseModeTest, RecognisesTheMode) {
  const CommandLine line = ParseCommandLine(GetParam().arguments);
  EXPECT_EQ(line.mode, GetParam().mode) << line.error;
  EXPECT_EQ(line.error.empty(), line.mode != Mode::kError);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ParseModeTest,
    testing::Values(
        ParseCase{"Nothing", {}, Mode::kWindow},
        ParseCase{"ToolkitOption", {"-platform", "offscreen"}, Mode::kWindow},
        ParseCase{"Help", {"--help"}, Mode::kHelp},
        ParseCase{"HelpWithExtra", {"--help", "x"}, Mode::kError},
        ParseCase{"Report", {"--report", "1000", "1", "20", "15"}, Mode::kReport},
        ParseCase{"ReportShort", {"--report", "1000", "1", "20"}, Mode::kError},
        ParseCase{"ReportUnknownSwitch", {"--report", "1", "2", "3", "4", "--no-flow"}, Mode::kError},
        ParseCase{"Screenshot", {"--screenshot", "a.png"}, Mode::kScreenshot},
        ParseCase{"ScreenshotTexts", {"--screenshot", "a.png", "1", "2", "3", "4"}, Mode::kScreenshot},
        ParseCase{"ScreenshotTwoTexts", {"--screenshot", "a.png", "1", "2"}, Mode::kError},
        ParseCase{"ScreenshotNoFile", {"--screenshot"}, Mode::kError},
        ParseCase{"Chart", {"--chart", "c.png", "1", "2", "3", "4"}, Mode::kChart},
        ParseCase{"ChartWithoutTexts", {"--chart", "c.png"}, Mode::kError},
        ParseCase{"InfoScreenshot", {"--info-screenshot", "i.png"}, Mode::kInfoScreenshot},
        ParseCase{"InfoScreenshotExtra", {"--info-screenshot", "i.png", "x"}, Mode::kError},
        ParseCase{"Unknown", {"--reprot"}, Mode::kError}),
    [](const auto& info) { return info.param.name; });

TEST(ParseCommandLine, ReportTakesItsFourTextsVerbatim) {
  const CommandLine line =
      ParseCommandLine({"--report", "", "--no-liquid", " 20", "-1", "--no-vapour", "--no-return"});
  EXPECT_EQ(line.texts.power, "");
  EXPECT_EQ(line.texts.strength, "--no-liquid");
  EXPECT_EQ(line.texts.trays, " 20");
  EXPECT_EQ(line.texts.reflux, "-1");
  EXPECT_FALSE(line.switches.trayvapour);
  EXPECT_FALSE(line.switches.trayreturn);
  EXPECT_TRUE(line.switches.trayliquid);
  EXPECT_TRUE(line.switches.traytemperature);
}

TEST(ParseCommandLine, ScreenshotKeepsFileAndTexts) {
  const CommandLine line = ParseCommandLine({"--screenshot", "out.png", "500", "40", "10", "3"});
  EXPECT_EQ(line.file, "out.png");
  EXPECT_TRUE(line.textsGiven);
  EXPECT_EQ(line.texts.trays, "10");
  EXPECT_FALSE(ParseCommandLine({"--screenshot", "out.png"}).textsGiven);
}

TEST(ParseCommandLine, ChartKeepsFileAndTexts) {
  const CommandLine line = ParseCommandLine({"--chart", "chart.png", "500", "40", "10", "3"});
  EXPECT_EQ(line.file, "chart.png");
  EXPECT_EQ(line.texts.power, "500");
  EXPECT_EQ(line.texts.reflux, "3");
}

class RunReportTest : public testing::Test {
 protected:
  void SetUp() override { numtext::SetLocaleSeparators(".", ","); }

  int Run(const InputTexts& texts, const ReportSwitches& switches = {}) {
    return RunReport(texts, switches, out, err);
  }

  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(RunReportTest, PrintsBothListsWithAnEmptyLineBetween) {
  EXPECT_EQ(Run({"1000", "20", "0", "1"}), 0);
  EXPECT_EQ(out.str(),
            " \n--Дефлег-ор--\nКрепость отбора :   65.19 %\n"
            "    Возврат    :    1445 г/ч\nОтбор продукта:    1445 г/ч\n---------\n"
            " \n-- куб  --\nвыход этанола  :   1884 г/ч\nвыход массы :       2890 г/ч\n"
            "крепость пара  :   65.19 %\nкрепость флегмы:      20 %\n"
            "\nКПД по этанолу (%)   :\n50.0\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(RunReportTest, ErrorPrintsWhatWasWrittenAndTheMessage) {
  EXPECT_EQ(Run({"0", "20", "1", "1"}), 1);
  EXPECT_TRUE(out.str().ends_with("крепость флегмы:      20 %\n\nКПД по этанолу (%)   :\n"));
  EXPECT_EQ(err.str(), "Invalid floating point operation.\n");
}

TEST_F(RunReportTest, InputErrorPrintsEmptyLists) {
  EXPECT_EQ(Run({"1000", "1.5.", "20", "15"}), 1);
  EXPECT_EQ(out.str(), "\n");
  EXPECT_EQ(err.str(), "'1.5.' is not a valid floating point value.\n");
}

}  // namespace
}  // namespace app
