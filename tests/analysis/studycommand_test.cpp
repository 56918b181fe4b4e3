#include "analysis/studycommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "analysis/csv.h"
#include "model/strengthunits.h"

namespace analysis {
namespace {

using Arguments = std::vector<std::string>;

TEST(ParseDotNumber, ReadsTheWholeTextWithADot) {
  EXPECT_EQ(ParseDotNumber("2.5"), 2.5L);
  EXPECT_EQ(ParseDotNumber("0.1"), 0.1L);
  EXPECT_EQ(ParseDotNumber("-1e3"), -1000.0L);
  EXPECT_EQ(ParseDotNumber("20"), 20.0L);
  for (const char* bad : {"2,5", "", " 2", "2 ", "x", "1.5.2"}) {
    EXPECT_THROW(ParseDotNumber(bad), EStudyInputError) << bad;
  }
}

TEST(ParseStudyOptions, TakesTheDefaultsWhenNoOptionIsGiven) {
  const StudyOptions options = ParseStudyOptions({"-", "1000", "1"}, 3);
  EXPECT_EQ(options.traycounts, (std::vector<int>{1, 2, 5, 10, 20, 40}));
  EXPECT_EQ(options.reflux.from, 0.0L);
  EXPECT_EQ(options.reflux.to, 20.0L);
  EXPECT_EQ(options.reflux.points, 101);
}

TEST(ParseStudyOptions, ReadsTraysAndRefluxInEitherOrder) {
  const Arguments forward{"--trays", "5,1 3", "--reflux", "0.5", "7.25", "12"};
  const Arguments backward{"--reflux", "0.5", "7.25", "12", "--trays", "5,1 3"};
  for (const Arguments& arguments : {forward, backward}) {
    const StudyOptions options = ParseStudyOptions(arguments, 0);
    EXPECT_EQ(options.traycounts, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(options.reflux.from, 0.5L);
    EXPECT_EQ(options.reflux.to, 7.25L);
    EXPECT_EQ(options.reflux.points, 12);
  }
}

TEST(ParseStudyOptions, RefusesMalformedOptions) {
  const struct {
    Arguments arguments;
    const char* message;
  } cases[] = {
      {{"--tray", "5"}, "unknown study option '--tray'"},
      {{"--trays"}, "--trays needs LIST"},
      {{"--trays", "1", "--trays", "2"}, "--trays given twice"},
      {{"--trays", "1 200"}, "Число тарелок 200 вне пределов от 1 до 100"},
      {{"--reflux", "0", "20"}, "--reflux needs FROM TO POINTS"},
      {{"--reflux", "0", "2,5", "10"}, "'2,5' is not a number"},
      {{"--reflux", "0", "20", "10.5"}, "'10.5' is not a whole number"},
      {{"--reflux", "20", "0", "10"}, "Начальное флегмовое число больше конечного"},
      {{"--reflux", "0", "20", "1"}, "Число точек должно быть от 2 до 10000"},
      {{"--reflux", "0", "20", "5", "--reflux", "0", "20", "5"}, "--reflux given twice"},
  };
  for (const auto& c : cases) {
    try {
      ParseStudyOptions(c.arguments, 0);
      ADD_FAILURE() << c.message;
    } catch (const EStudyInputError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(WriteStudyCsv, WritesOneRowPerPointWithTheErrorOrTheNumbers) {
  StudyLine first;
  first.traycount = 5;
  first.points = {{0.2L, 65.5L, 1234.25L, 99.5L, ""}, {-1, 0, 0, 0, "Floating point division by zero"}};
  StudyLine second;
  second.traycount = 40;
  second.points = {{0.1L, 1.0L / 3, 1e-7L, 100, ""}};
  std::ostringstream out;
  WriteStudyCsv(out, {first, second});
  // The top strength by volume comes last.
  const auto volume = [](long double mass) { return ShortestText(model::volumefrommass(mass / 100) * 100); };
  EXPECT_EQ(out.str(),
            "trays,reflux_ratio,top_percent,product_g_per_h,efficiency_percent,error,top_percent_by_volume\r\n"
            "5,0.2,65.5,1234.25,99.5,," + volume(65.5L) + "\r\n"
            "5,-1,,,,Floating point division by zero,\r\n"
            "40,0.1,0.3333333333333333,1e-07,100,," + volume(1.0L / 3) + "\r\n");
}

TEST(NeedText, SaysEachAnswerOrUnreachable) {
  const RefluxAnswer ratio{true, 16.72L, ""};
  const RefluxAnswer noratio{false, 0, "why"};
  const TrayAnswer trays{true, 12, ""};
  const TrayAnswer notrays{false, 0, "why"};
  EXPECT_EQ(NeedText(ratio, trays), "reflux_ratio 16.72\ntrays 12\n");
  EXPECT_EQ(NeedText(noratio, trays), "reflux_ratio unreachable\ntrays 12\n");
  EXPECT_EQ(NeedText(ratio, notrays), "reflux_ratio 16.72\ntrays unreachable\n");
  EXPECT_EQ(NeedText(noratio, notrays), "reflux_ratio unreachable\ntrays unreachable\n");
}

TEST(RunNeed, AnswersBothQuestionsForTheWindowsInputs) {
  // 1000 W, 1 %, 20 trays, reflux ratio 15: 80 % needs a reflux ratio of
  // 16.72 and cannot be had from trays alone at 15, where the top stays at
  // 75.96 %.
  EXPECT_EQ(RunNeed(80, {1000, 0.01L, 20, 16}), "reflux_ratio 16.72\ntrays unreachable\n");
  EXPECT_EQ(RunNeed(70, {1000, 0.01L, 20, 16}), "reflux_ratio 12.75\ntrays 3\n");
}

}  // namespace
}  // namespace analysis
