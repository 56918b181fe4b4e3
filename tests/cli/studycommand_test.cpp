#include "cli/studycommand.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <tuple>

#include "analysis/csv.h"
#include "cli/commandline.h"
#include "model/strengthunits.h"

namespace cli {
namespace {

using Arguments = std::vector<std::string>;

TEST(ParseStudyOptions, ReadsTraysAndRefluxInEitherOrderOrTakesTheDefaults) {
  const StudyOptions defaults = ParseStudyOptions({"-", "1000", "1"}, 3);
  EXPECT_EQ(defaults.traycounts, (std::vector<int>{1, 2, 5, 10, 20, 40}));
  EXPECT_EQ(defaults.reflux.points, 101);
  const StudyOptions options = ParseStudyOptions({"--reflux", "0.5", "7.25", "12", "--trays", " 100, 5 ,,1\t5 "}, 0);
  EXPECT_EQ(options.traycounts, (std::vector<int>{1, 5, 100}));
  EXPECT_EQ(std::tuple(options.reflux.from, options.reflux.to, options.reflux.points), std::tuple(0.5L, 7.25L, 12));
  EXPECT_EQ(ParseStudyOptions({"--trays", "3", "--reflux", "0", "1", "2"}, 0).reflux.to, 1.0L);
  EXPECT_EQ(ParseTargetPercent("100"), 100.0L);
}

// Every refusal of the command line's study and search options; the range
// given goes through the study's own check.
TEST(StudyOptions, AreRefusedWithTheirMessages) {
  const auto options = [](Arguments arguments) { return [=] { ParseStudyOptions(arguments, 0); }; };
  const auto percent = [](const char* text) { return [=] { ParseTargetPercent(text); }; };
  const char* const badpercent = "Нужная крепость должна быть больше 0 и не больше 100 %";
  for (const auto& [arguments, refusal] :
       {std::pair<Arguments, analysis::StudyRefusal>{{"--reflux", "-5", "0", "3"}, analysis::StudyRefusal::kRefluxBelowZero},
        {{"--reflux", "1e308", "1e309", "3"}, analysis::StudyRefusal::kRefluxEndsNotFinite}}) {
    try {
      ParseStudyOptions(arguments, 0);
      ADD_FAILURE() << "accepted " << arguments[1];
    } catch (const analysis::EStudyInputError& e) {
      EXPECT_EQ(e.refusal, refusal);
    }
  }
  std::vector<std::pair<std::function<void()>, const char*>> cases = {
      {options({"--tray", "5"}), "unknown study option '--tray'"},
      {options({"--trays"}), "--trays needs LIST"},
      {options({"--trays", "1", "--trays", "2"}), "--trays given twice"},
      {options({"--reflux", "0", "20"}), "--reflux needs FROM TO POINTS"},
      {options({"--reflux", "0", "2,5", "10"}), "'2,5' is not a number"},
      {options({"--reflux", "x", "20", "10"}), "'x' is not a number"},
      {options({"--reflux", "0", "20", "10.5"}), "'10.5' is not a whole number"},
      {options({"--reflux", "0", "20", "5", "--reflux", "0", "20", "5"}), "--reflux given twice"},
  };
  for (const char* text : {"nan", "inf", "101", "1e9", "-1", "0"}) cases.emplace_back(percent(text), badpercent);
  for (const auto& [read, message] : cases) {
    try {
      read();
      ADD_FAILURE() << "accepted, expected: " << message;
    } catch (const EArgumentError& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
}

TEST(WriteStudyCsv, WritesOneRowPerPointWithTheErrorOrTheNumbers) {
  std::ostringstream out;
  WriteStudyCsv(out, {{5, {{0.2L, 65.5L, 1234.25L, 99.5L, ""}, {-1, 0, 0, 0, "Floating point division by zero"}}},
                      {40, {{0.1L, 1.0L / 3, 1e-7L, 100, ""}}}});
  // The top strength by volume comes last.
  const auto volume = [](long double mass) { return analysis::ShortestText(model::volumefrommass(mass / 100) * 100); };
  EXPECT_EQ(out.str(),
            "trays,reflux_ratio,top_percent,product_g_per_h,efficiency_percent,error,top_percent_by_volume\r\n"
            "5,0.2,65.5,1234.25,99.5,," + volume(65.5L) + "\r\n"
            "5,-1,,,,Floating point division by zero,\r\n"
            "40,0.1,0.3333333333333333,1e-07,100,," + volume(1.0L / 3) + "\r\n");
}

// Over the default range 0..20 at the column's own tray count and reflux ratio.
TEST(RunNeed, AnswersBothQuestionsOrSaysUnreachable) {
  const CommandLine line = ParseCommandLine({"--need", "70", "1000", "1", "20", "15"});
  std::ostringstream out, err;
  EXPECT_EQ(RunNeed(line, out, err), 0);
  EXPECT_EQ(out.str() + err.str(), "reflux_ratio 12.75\ntrays 3\n");
  EXPECT_EQ(NeedText({true, 0.5L, {}}, {false, 0, {}}), "reflux_ratio 0.5\ntrays unreachable\n");
  EXPECT_EQ(NeedText({false, 0, {}}, {true, 12, {}}), "reflux_ratio unreachable\ntrays 12\n");
}

}  // namespace
}  // namespace cli
