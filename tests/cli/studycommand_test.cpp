#include "cli/studycommand.h"

#include <gtest/gtest.h>

#include <functional>
#include <cmath>
#include <sstream>
#include <tuple>

#include "analysis/csv.h"
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

// Every refusal of a study's or a search's inputs: the window's tray text,
// the study the window and the pool check, and the command line's options.
TEST(StudyInputs, AreRefusedWithTheirMessages) {
  const auto study = [](std::vector<int> trays, analysis::RefluxRange range) { return [=] { analysis::CheckStudy({1000, model::Strength::FromFraction(0.01L), trays, range}); }; };
  const auto options = [](Arguments arguments) { return [=] { ParseStudyOptions(arguments, 0); }; };
  const auto percent = [](const char* text) { return [=] { ParseTargetPercent(text); }; };
  const char* const notfinite = "Границы флегмового числа должны быть конечными числами";
  const char* const negative = "Флегмовое число не может быть меньше 0";
  const char* const points = "Число точек должно быть от 2 до 10000";
  const char* const badpercent = "Нужная крепость должна быть больше 0 и не больше 100 %";
  std::vector<std::pair<std::function<void()>, const char*>> cases = {
      {[] { analysis::ParseTrayList(" ,"); }, "Список тарелок пуст: укажите числа от 1 до 100"},
      {[] { analysis::ParseTrayList("1 x"); }, "'x' — не целое число тарелок"},
      {[] { analysis::ParseTrayList("2.5"); }, "'2.5' — не целое число тарелок"},
      {[] { analysis::ParseTrayList("5 101"); }, "Число тарелок 101 вне пределов от 1 до 100"},
      {[] { analysis::ParseTrayList("-3"); }, "Число тарелок -3 вне пределов от 1 до 100"},
      {[] { analysis::ParseTrayList("99999999999"); }, "Число тарелок 99999999999 вне пределов от 1 до 100"},
      {study({}, {}), "Список тарелок пуст: укажите числа от 1 до 100"},
      {study({5, 200}, {}), "Число тарелок 200 вне пределов от 1 до 100"},
      {study({1}, {5, 4, 11}), "Начальное флегмовое число больше конечного"},
      {study({1}, {0, 20, 1}), points},
      {study({1}, {0, 20, 10001}), points},
      {study({1}, {0, HUGE_VALL, 5}), notfinite},
      {study({1}, {NAN, 1, 5}), notfinite},
      {study({1}, {-1, 3, 5}), negative},
      {options({"--reflux", "-5", "0", "3"}), negative},
      {options({"--reflux", "1e308", "1e309", "3"}), notfinite},
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
    } catch (const analysis::EStudyInputError& e) {
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
  EXPECT_EQ(RunNeed(70, {1000, model::Strength::FromFraction(0.01L), 20, model::RefluxRatio::FromRatio(15)}), "reflux_ratio 12.75\ntrays 3\n");
  EXPECT_EQ(NeedText({true, 0.5L, ""}, {false, 0, "why"}), "reflux_ratio 0.5\ntrays unreachable\n");
  EXPECT_EQ(NeedText({false, 0, "why"}, {true, 12, ""}), "reflux_ratio unreachable\ntrays 12\n");
}

}  // namespace
}  // namespace cli
